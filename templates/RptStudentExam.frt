object RptStudentExam: TfrReport
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
          '学生考核成绩单')
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
    object MasterData1: TfrBandView
      BandType = btMasterData
      Height = 88
      DataSource = 'dbsPrint'
      object mmStudent1: TfrMemoView
        Left = 36
        Top = 12
        Width = 70
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '学号')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent2: TfrMemoView
        Left = 106
        Top = 12
        Width = 100
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_StuNo]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent3: TfrMemoView
        Left = 206
        Top = 12
        Width = 70
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '姓名')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent4: TfrMemoView
        Left = 276
        Top = 12
        Width = 120
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_Name]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent5: TfrMemoView
        Left = 396
        Top = 12
        Width = 100
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '总评成绩')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent6: TfrMemoView
        Left = 496
        Top = 12
        Width = 226
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_GernalFen]')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent7: TfrMemoView
        Left = 36
        Top = 38
        Width = 100
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '考核项目')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent8: TfrMemoView
        Left = 136
        Top = 38
        Width = 71
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_TestFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent9: TfrMemoView
        Left = 207
        Top = 38
        Width = 100
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '运动技能')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent10: TfrMemoView
        Left = 307
        Top = 38
        Width = 71
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_TechFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent11: TfrMemoView
        Left = 378
        Top = 38
        Width = 100
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '出勤成绩')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent12: TfrMemoView
        Left = 478
        Top = 38
        Width = 72
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ClassFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent13: TfrMemoView
        Left = 550
        Top = 38
        Width = 100
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '基础知识')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent14: TfrMemoView
        Left = 650
        Top = 38
        Width = 72
        Height = 26
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_BasicFen]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent15: TfrMemoView
        Left = 36
        Top = 64
        Width = 160
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '项目')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent16: TfrMemoView
        Left = 196
        Top = 64
        Width = 80
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '类别')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent17: TfrMemoView
        Left = 276
        Top = 64
        Width = 170
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '学期')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent18: TfrMemoView
        Left = 446
        Top = 64
        Width = 100
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '测试日期')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent19: TfrMemoView
        Left = 546
        Top = 64
        Width = 90
        Height = 24
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        FillColor = 15263976
        Memo = (
          '成绩')
        Font.Size = 10
        Font.Style = [fsBold]
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmStudent20: TfrMemoView
        Left = 636
        Top = 64
        Width = 86
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
    end
    object DetailData1: TfrBandView
      BandType = btDetailData
      Height = 22
      DataSource = 'dbsDetail'
      object mmDetail1: TfrMemoView
        Left = 36
        Width = 160
        Height = 22
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_ProgName]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmDetail2: TfrMemoView
        Left = 196
        Width = 80
        Height = 22
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_PartName]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmDetail3: TfrMemoView
        Left = 276
        Width = 170
        Height = 22
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_TermName]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmDetail4: TfrMemoView
        Left = 446
        Width = 100
        Height = 22
        Flags = [flHideZeros]
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_TestDate #Dyyyy-mm-dd]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmDetail5: TfrMemoView
        Left = 546
        Width = 90
        Height = 22
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[ACHIEVE]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
      end
      object mmDetail6: TfrMemoView
        Left = 636
        Width = 86
        Height = 22
        Flags = []
        FrameTyp = [frftRight, frftBottom, frftLeft, frftTop]
        Memo = (
          '[Fd_FenVal]')
        Font.Size = 10
        Alignment = [frtaCenter, frtaMiddle]
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
