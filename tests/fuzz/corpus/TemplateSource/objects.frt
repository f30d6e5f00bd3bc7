object R: TfrReport
  TwoPass = True
  Variables = <
    item
      Name = 'v'
      Value = '[x]'
    end>
  object Page1: TfrPage
    Paper = 256
    PaperWidth = 1000
    PaperHeight = 800
    object B: TfrBandView
      BandType = btMasterData
      Height = 20
      DataSource = 'dbsPrint'
      object TfrMemoView
        Name = '名'
        Flags = [flWordWrap]
        FrameTyp = [frftLeft]
        Alignment = [frtaCenter]
        Memo = (
          '[Fd_Name]')
      end
      object P: TfrPictureView
        Picture = {00}
      end
    end
    object L: TfrLineView
      Top = 300
    end
  end
end
