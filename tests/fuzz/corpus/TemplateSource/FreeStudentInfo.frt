object FreeStudentInfo: TfrReport
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
          '免体学生名单')
        Font.Name = '黑体'
        Font.Size = 18
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmSchoolName: TfrMemoView
        Left = 36
        Top = 52
        Width = 228
        Height = 24
        Flags = []
        Memo = (
          '学校：')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmManager: TfrMemoView
        Left = 264
        Top = 52
        Width = 228
        Height = 24
        Flags = []
        Memo = (
          '负责人：')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmPrinter: TfrMemoView
        Left = 492
        Top = 52
        Width = 230
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
        Width = 70
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
        Left = 142
        Width = 70
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
        Left = 212
        Width = 36
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
        Left = 248
        Width = 90
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
      object mmCaption6: TfrMemoView
        Left = 338
        Width = 180
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '免体原因')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption7: TfrMemoView
        Left = 518
        Width = 84
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '免体日期')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption8: TfrMemoView
        Left = 602
        Width = 120
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
        Width = 70
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_StuNo]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField3: TfrMemoView
        Left = 142
        Width = 70
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Name]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField4: TfrMemoView
        Left = 212
        Width = 36
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Sex]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField5: TfrMemoView
        Left = 248
        Width = 90
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Class]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField6: TfrMemoView
        Left = 338
        Width = 180
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_FreeReason]')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmField7: TfrMemoView
        Left = 518
        Width = 84
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_FreeDate]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField8: TfrMemoView
        Left = 602
        Width = 120
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Remark]')
        Font.Size = 10
        Alignment = [frtaMiddle]
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
