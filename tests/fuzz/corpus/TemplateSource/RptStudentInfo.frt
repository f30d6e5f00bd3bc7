object RptStudentInfo: TfrReport
  TwoPass = True
  object Page1: TfrPage
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
        Width = 686
        Height = 36
        Flags = []
        Memo = (
          '学生资料表')
        Font.Name = '黑体'
        Font.Size = 18
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmSchoolName: TfrMemoView
        Left = 36
        Top = 52
        Width = 171
        Height = 24
        Flags = []
        Memo = (
          '学校：')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmClass: TfrMemoView
        Left = 207
        Top = 52
        Width = 171
        Height = 24
        Flags = []
        Memo = (
          '班级：')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmManager: TfrMemoView
        Left = 378
        Top = 52
        Width = 171
        Height = 24
        Flags = []
        Memo = (
          '负责人：')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmPrinter: TfrMemoView
        Left = 549
        Top = 52
        Width = 173
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
      Height = 28
      Flags = [flBandOnFirstPage, flBandOnLastPage, flBandRepeatHeader]
      object mmCaption1: TfrMemoView
        Left = 36
        Width = 36
        Height = 28
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
        Width = 80
        Height = 28
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
        Left = 152
        Width = 80
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '姓名')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption4: TfrMemoView
        Left = 232
        Width = 40
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '性别')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption5: TfrMemoView
        Left = 272
        Width = 100
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '出生日期')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption6: TfrMemoView
        Left = 372
        Width = 100
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '入学时间')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption7: TfrMemoView
        Left = 472
        Width = 60
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '免体')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption8: TfrMemoView
        Left = 532
        Width = 110
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '班级')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption9: TfrMemoView
        Left = 642
        Width = 80
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '备注')
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
        Width = 80
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_StuNo]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField3: TfrMemoView
        Left = 152
        Width = 80
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Name]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField4: TfrMemoView
        Left = 232
        Width = 40
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Sex]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField5: TfrMemoView
        Left = 272
        Width = 100
        Height = 24
        Flags = [flHideZeros]
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Birthday #Dyyyy-mm-dd]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField6: TfrMemoView
        Left = 372
        Width = 100
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_InSchool]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField7: TfrMemoView
        Left = 472
        Width = 60
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_FreeSign #B否;是]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField8: TfrMemoView
        Left = 532
        Width = 110
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Class]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField9: TfrMemoView
        Left = 642
        Width = 80
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '')
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
        Width = 686
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
        Left = 207
        Top = 6
        Width = 343
        Height = 20
        Flags = []
        Memo = (
          '第 [PAGE#] 页，共 [TOTALPAGES] 页')
        Font.Size = 9
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmPrintDate: TfrMemoView
        Left = 522
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
