object RptAchieveUptoGrade: TfrReport
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
          '年级体育达标成绩统计表')
        Font.Name = '黑体'
        Font.Size = 18
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmSchoolName: TfrMemoView
        Left = 36
        Top = 52
        Width = 333
        Height = 24
        Flags = []
        Memo = (
          '学校：')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmManager: TfrMemoView
        Left = 369
        Top = 52
        Width = 333
        Height = 24
        Flags = []
        Memo = (
          '负责人：')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmPrinter: TfrMemoView
        Left = 702
        Top = 52
        Width = 333
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
        Width = 95
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '年级')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption2: TfrMemoView
        Left = 131
        Width = 48
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '总人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption3: TfrMemoView
        Left = 179
        Width = 48
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '男生')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption4: TfrMemoView
        Left = 227
        Width = 48
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '女生')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption5: TfrMemoView
        Left = 275
        Width = 48
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '免体')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption6: TfrMemoView
        Left = 323
        Width = 48
        Height = 48
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '应测')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption7: TfrMemoView
        Left = 371
        Width = 148
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '优秀')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption8: TfrMemoView
        Left = 371
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption9: TfrMemoView
        Left = 419
        Top = 24
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '比率%')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption10: TfrMemoView
        Left = 471
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption11: TfrMemoView
        Left = 519
        Width = 148
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '良好')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption12: TfrMemoView
        Left = 519
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption13: TfrMemoView
        Left = 567
        Top = 24
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '比率%')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption14: TfrMemoView
        Left = 619
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption15: TfrMemoView
        Left = 667
        Width = 148
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '及格')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption16: TfrMemoView
        Left = 667
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption17: TfrMemoView
        Left = 715
        Top = 24
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '比率%')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption18: TfrMemoView
        Left = 767
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption19: TfrMemoView
        Left = 815
        Width = 148
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '不及格')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption20: TfrMemoView
        Left = 815
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption21: TfrMemoView
        Left = 863
        Top = 24
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '比率%')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption22: TfrMemoView
        Left = 915
        Top = 24
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '得分')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmCaption23: TfrMemoView
        Left = 963
        Width = 72
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
        Width = 95
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Grade]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField2: TfrMemoView
        Left = 131
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_AllTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField3: TfrMemoView
        Left = 179
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_BoyTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField4: TfrMemoView
        Left = 227
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GirlTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField5: TfrMemoView
        Left = 275
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_FreeTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField6: TfrMemoView
        Left = 323
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_TestTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField7: TfrMemoView
        Left = 371
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ExcelCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField8: TfrMemoView
        Left = 419
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ExcelRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField9: TfrMemoView
        Left = 471
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ExcelFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField10: TfrMemoView
        Left = 519
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GoodCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField11: TfrMemoView
        Left = 567
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GoodRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField12: TfrMemoView
        Left = 619
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GoodFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField13: TfrMemoView
        Left = 667
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_CommonCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField14: TfrMemoView
        Left = 715
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_CommonRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField15: TfrMemoView
        Left = 767
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_CommonFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField16: TfrMemoView
        Left = 815
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_UnthroughCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField17: TfrMemoView
        Left = 863
        Width = 52
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_UnthroughRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField18: TfrMemoView
        Left = 915
        Width = 48
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_UnthroughFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmField19: TfrMemoView
        Left = 963
        Width = 72
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
      object mmNote: TfrMemoView
        Left = 36
        Top = 6
        Width = 999
        Height = 22
        Flags = []
        Memo = (
          '说明：优秀为总分 420 分及以上，良好 350～415 分，及格 250～345 分，不及格 250 分以下；比率按应测人数计，得分为比率乘以等级权数（优秀 6、良好 4、及格 3）。')
        Font.Size = 9
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
