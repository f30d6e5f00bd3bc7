object RptUpGrade: TfrReport
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
          '学校体育达标成绩上报表')
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
    object MasterData1: TfrBandView
      BandType = btMasterData
      Height = 330
      DataSource = 'dbsPrint'
      object mmForm1: TfrMemoView
        Left = 36
        Top = 8
        Width = 686
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '一、学生人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm2: TfrMemoView
        Left = 36
        Top = 36
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '总人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm3: TfrMemoView
        Left = 36
        Top = 64
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_AllTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm4: TfrMemoView
        Left = 173
        Top = 36
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '男生')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm5: TfrMemoView
        Left = 173
        Top = 64
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_BoyTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm6: TfrMemoView
        Left = 310
        Top = 36
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '女生')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm7: TfrMemoView
        Left = 310
        Top = 64
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GirlTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm8: TfrMemoView
        Left = 447
        Top = 36
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '免体')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm9: TfrMemoView
        Left = 447
        Top = 64
        Width = 137
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_FreeTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm10: TfrMemoView
        Left = 584
        Top = 36
        Width = 138
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '应测')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm11: TfrMemoView
        Left = 584
        Top = 64
        Width = 138
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_TestTotal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm12: TfrMemoView
        Left = 36
        Top = 108
        Width = 686
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '二、达标等级')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm13: TfrMemoView
        Left = 36
        Top = 136
        Width = 116
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '等级')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm14: TfrMemoView
        Left = 152
        Top = 136
        Width = 166
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '总分范围')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm15: TfrMemoView
        Left = 318
        Top = 136
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '人数')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm16: TfrMemoView
        Left = 452
        Top = 136
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '比率%')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm17: TfrMemoView
        Left = 586
        Top = 136
        Width = 136
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '得分')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm18: TfrMemoView
        Left = 36
        Top = 164
        Width = 116
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '优秀')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm19: TfrMemoView
        Left = 152
        Top = 164
        Width = 166
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '420 分及以上')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm20: TfrMemoView
        Left = 318
        Top = 164
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ExcelCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm21: TfrMemoView
        Left = 452
        Top = 164
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ExcelRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm22: TfrMemoView
        Left = 586
        Top = 164
        Width = 136
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ExcelFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm23: TfrMemoView
        Left = 36
        Top = 192
        Width = 116
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '良好')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm24: TfrMemoView
        Left = 152
        Top = 192
        Width = 166
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '350～415 分')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm25: TfrMemoView
        Left = 318
        Top = 192
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GoodCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm26: TfrMemoView
        Left = 452
        Top = 192
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GoodRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm27: TfrMemoView
        Left = 586
        Top = 192
        Width = 136
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GoodFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm28: TfrMemoView
        Left = 36
        Top = 220
        Width = 116
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '及格')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm29: TfrMemoView
        Left = 152
        Top = 220
        Width = 166
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '250～345 分')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm30: TfrMemoView
        Left = 318
        Top = 220
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_CommonCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm31: TfrMemoView
        Left = 452
        Top = 220
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_CommonRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm32: TfrMemoView
        Left = 586
        Top = 220
        Width = 136
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_CommonFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm33: TfrMemoView
        Left = 36
        Top = 248
        Width = 116
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '不及格')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm34: TfrMemoView
        Left = 152
        Top = 248
        Width = 166
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '250 分以下')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm35: TfrMemoView
        Left = 318
        Top = 248
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_UnthroughCount]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm36: TfrMemoView
        Left = 452
        Top = 248
        Width = 134
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_UnthroughRation]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm37: TfrMemoView
        Left = 586
        Top = 248
        Width = 136
        Height = 28
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_UnthroughFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm38: TfrMemoView
        Left = 36
        Top = 292
        Width = 282
        Height = 36
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '三、学校达标总分')
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmForm39: TfrMemoView
        Left = 318
        Top = 292
        Width = 404
        Height = 36
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GernalFen]')
        Font.Size = 12
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
    end
    object ReportSummary1: TfrBandView
      BandType = btReportSummary
      Height = 60
      object mmSign1: TfrMemoView
        Left = 36
        Top = 24
        Width = 230
        Height = 24
        Flags = []
        Memo = (
          '填表人：')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmSign2: TfrMemoView
        Left = 266
        Top = 24
        Width = 228
        Height = 24
        Flags = []
        Memo = (
          '审核人：')
        Font.Size = 10
        Alignment = [frtaMiddle]
      end
      object mmSign3: TfrMemoView
        Left = 494
        Top = 24
        Width = 228
        Height = 24
        Flags = []
        Memo = (
          '填报日期：    年    月    日')
        Font.Size = 10
        Alignment = [frtaRight, frtaMiddle]
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
