// The kinds of band, by the type code that band objects store; the band's name is the string-table
// text 55077 plus the code.
#pragma once

enum TfrBandType {
  btReportTitle, btReportSummary, btPageHeader, btPageFooter, btMasterHeader, btMasterData, btMasterFooter,
  btDetailHeader, btDetailData, btDetailFooter, btSubDetailHeader, btSubDetailData, btSubDetailFooter,
  btOverlay, btColumnHeader, btColumnFooter, btGroupHeader, btGroupFooter, btCrossHeader, btCrossData,
  btCrossFooter, btChild, btNone
};
