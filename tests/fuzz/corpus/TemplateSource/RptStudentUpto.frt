object RptStudentUpto: TfrReport
  TwoPass = True
  object Page1: TfrPage
    Orientation = poLandscape
    LeftMargin = 36
    TopMargin = 36
    RightMargin = 36
    BottomMargin = 36
    object ReportTitle1: TfrBandView
      BandType = btReportTitle
      Height = 84
      object mmTitle: TfrMemoView
        Left = 36
        Top = 6
        Width = 999
        Height = 36
        Flags = []
        Memo = (
          '学生体育达标成绩表')
        Font.Name = '黑体'
        Font.Size = 18
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmSchoolName: TfrMemoView
        Left = 36
        Top = 52
        Width = 249
        Height = 24
        Flags = []
        Memo = (
          '学校：')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmClass: TfrMemoView
        Left = 285
        Top = 52
        Width = 249
        Height = 24
        Flags = []
        Memo = (
          '班级：')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmManager: TfrMemoView
        Left = 534
        Top = 52
        Width = 249
        Height = 24
        Flags = []
        Memo = (
          '负责人：')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmPrinter: TfrMemoView
        Left = 783
        Top = 52
        Width = 252
        Height = 24
        Flags = []
        Memo = (
          '打印人：')
        Font.Size = 10
        Alignment = [frtaRight, frtaMiddle]
      end
    end
    object MasterHeader1: TfrBandView
      BandType = btMasterHeader
      Height = 48
      Flags = [flBandOnFirstPage, flBandOnLastPage, flBandRepeatHeader]
      object mmCaption1: TfrMemoView
        Left = 36
        Width = 36
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '序号')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption2: TfrMemoView
        Left = 72
        Width = 76
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '学号')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption3: TfrMemoView
        Left = 148
        Width = 76
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '姓名')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog1: TfrMemoView
        Left = 224
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption1: TfrMemoView
        Left = 224
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption1: TfrMemoView
        Left = 274
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog2: TfrMemoView
        Left = 318
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption2: TfrMemoView
        Left = 318
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption2: TfrMemoView
        Left = 368
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog3: TfrMemoView
        Left = 412
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption3: TfrMemoView
        Left = 412
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption3: TfrMemoView
        Left = 462
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog4: TfrMemoView
        Left = 506
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption4: TfrMemoView
        Left = 506
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption4: TfrMemoView
        Left = 556
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog5: TfrMemoView
        Left = 600
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption5: TfrMemoView
        Left = 600
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption5: TfrMemoView
        Left = 650
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog6: TfrMemoView
        Left = 694
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption6: TfrMemoView
        Left = 694
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption6: TfrMemoView
        Left = 744
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog7: TfrMemoView
        Left = 788
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption7: TfrMemoView
        Left = 788
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption7: TfrMemoView
        Left = 838
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object Prog8: TfrMemoView
        Left = 882
        Width = 94
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCjCaption8: TfrMemoView
        Left = 882
        Top = 24
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFenCaption8: TfrMemoView
        Left = 932
        Top = 24
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 9
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption4: TfrMemoView
        Left = 976
        Width = 59
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '总分')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
    end
    object MasterData1: TfrBandView
      BandType = btMasterData
      Height = 24
      DataSource = 'dbsPrint'
      object mmField1: TfrMemoView
        Left = 36
        Width = 36
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[LINE#]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField2: TfrMemoView
        Left = 72
        Width = 76
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_StuNo]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField3: TfrMemoView
        Left = 148
        Width = 76
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Name]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj1: TfrMemoView
        Left = 224
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen1: TfrMemoView
        Left = 274
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj2: TfrMemoView
        Left = 318
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen2: TfrMemoView
        Left = 368
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj3: TfrMemoView
        Left = 412
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen3: TfrMemoView
        Left = 462
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj4: TfrMemoView
        Left = 506
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen4: TfrMemoView
        Left = 556
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj5: TfrMemoView
        Left = 600
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen5: TfrMemoView
        Left = 650
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj6: TfrMemoView
        Left = 694
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen6: TfrMemoView
        Left = 744
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj7: TfrMemoView
        Left = 788
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen7: TfrMemoView
        Left = 838
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCj8: TfrMemoView
        Left = 882
        Width = 50
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmFen8: TfrMemoView
        Left = 932
        Width = 44
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField4: TfrMemoView
        Left = 976
        Width = 59
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GernalFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
    end
    object ReportSummary1: TfrBandView
      BandType = btReportSummary
      Height = 30
      object mmTotal: TfrMemoView
        Left = 36
        Top = 6
        Width = 999
        Height = 22
        Flags = []
        Memo = (
          '合计：[COUNT(MasterData1)] 人')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
    end
    object PageFooter1: TfrBandView
      BandType = btPageFooter
      Height = 30
      object mmPageNo: TfrMemoView
        Left = 285
        Top = 6
        Width = 499
        Height = 20
        Flags = []
        Memo = (
          '第 [PAGE#] 页，共 [TOTALPAGES] 页')
        Font.Size = 9
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmPrintDate: TfrMemoView
        Left = 835
        Top = 6
        Width = 200
        Height = 20
        Flags = []
        Memo = (
          '打印日期：[DATE #Dyyyy-mm-dd]')
        Font.Size = 9
        Alignment = [frtaRight, frtaMiddle]
      end
    end
  end
end
