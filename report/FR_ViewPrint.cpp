// Printing report objects into the prepared page being built: the script, the report's
// before-print hook, expansion of bracketed expressions, alignment against the band, and the
// record in prepared-page form.
#include "report/FR_View.h"

#include "report/FR_Class.h"
#include "report/FR_Globals.h"
#include "report/FR_Memo.h"
#include "report/FR_Pars.h"
#include "report/FR_State.h"
#include "report/FR_Utils.h"
#include "rtl/ScopeExit.h"

String TfrView::ExpandBrackets(const String& Text) {
  String s = Text;
  size_t from = 0;
  for (;;) {
    const size_t open = s.find('[', from);
    if (open == String::npos) return s;
    int end = 0;
    const String expression = ReadBracketed(s, int(open) + 1, end);
    if (end == 0) return s;
    String value;
    if (TfrReport* report = frState().ActiveReport)
      report->InternalOnGetValue(expression, value);
    else
      value = VarToStr(frParser().Calc(expression));
    s.replace(open, size_t(end) - open, value);
    from = open + value.size();
  }
}

void TfrView::CompileScript() {
  frCompileScript(Script, CompiledScript);
  ScriptCompiled = true;
}

void TfrView::RunScript() {
  if (Script.Count() == 0) return;
  if (ScriptCompiled) {
    frInterpretator().DoScript(CompiledScript);
    return;
  }
  TStringList compiled;
  frCompileScript(Script, compiled);
  frInterpretator().DoScript(compiled);
}

void TfrView::WriteToPreparedPage(TStream& Stream) {
  const uint8_t type = Typ;
  Stream.WriteBuffer(&type, 1);
  if (Typ == gtAddIn) frWriteString(Stream, ClassName());
  const TValueScope<bool> inPreparedPage(InPreparedPage, true);
  SaveToStream(Stream);
}

void TfrView::ExportData() {
  if (TfrReport* report = frState().ActiveReport) report->ExportData(this);
}

void TfrView::Print(TStream& Stream) {
  AlignToBand(&frScratchCanvas());
  ExpandedText.Assign(&Memo);
  if (TfrReport* report = frState().ActiveReport) report->DoBeforePrint(ExpandedText, this);
  RunScript();
  if (!Visible) return;
  const TValueScope<String> expandedTag(Tag, Tag.find('[') != String::npos ? ExpandBrackets(Tag) : Tag);
  AlignToActiveBand();
  WriteToPreparedPage(Stream);
}
