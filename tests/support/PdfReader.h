// Reading PDF files back in tests through poppler's command-line tools: what pdfinfo says of the
// pages, a page's size in millimetres, a page's text as pdftotext reads it, and where a word lies.
#pragma once

#include <cstdio>
#include <regex>
#include <string>

// The output of a shell command.
inline std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  return out;
}

// What pdfinfo says of a file, pages 1 to Pages included.
inline std::string PdfInfo(const std::string& path, int pages) {
  return CommandOutput("pdfinfo -f 1 -l " + std::to_string(pages) + " '" + path + "' 2>&1");
}

// A "Name: value" line of pdfinfo's output.
inline std::string PdfField(const std::string& info, const std::string& name) {
  std::smatch m;
  const std::regex line(name + ":\\s*(.*)");
  return std::regex_search(info, m, line) ? m[1].str() : std::string();
}

// A page's size from pdfinfo, in millimetres. The PDF writer keeps sizes in whole points, so a
// size is right when it lies within half a point (0.18 mm) of the paper's.
struct TPdfPageSize {
  double Width = 0;
  double Height = 0;
};
inline TPdfPageSize PdfPageSizeMM(const std::string& info, int page) {
  std::smatch m;
  const std::regex line("Page +" + std::to_string(page) + " size: +([0-9.]+) x ([0-9.]+) pts");
  if (!std::regex_search(info, m, line)) return {};
  return {std::stod(m[1].str()) * 25.4 / 72, std::stod(m[2].str()) * 25.4 / 72};
}
constexpr double kPdfHalfPoint = 0.18;

// The words of one page (from 1), separated by single blanks.
inline std::string PdfPageText(const std::string& path, int page) {
  const std::string p = std::to_string(page);
  const std::string text = CommandOutput("pdftotext -f " + p + " -l " + p + " '" + path + "' - 2>/dev/null");
  std::string words;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\n' || c == '\f' || c == '\r' || c == '\t';
    if (!blank) words += c;
    else if (!words.empty() && words.back() != ' ') words += ' ';
  }
  while (!words.empty() && words.back() == ' ') words.pop_back();
  return words;
}

// The box of the first word Word on a page (from 1), in millimetres from the sheet's top left
// corner; all 0 when the page has no such word.
struct TPdfWordBox {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
};
inline TPdfWordBox PdfWordBoxMM(const std::string& path, int page, const std::string& word) {
  const std::string p = std::to_string(page);
  const std::string html = CommandOutput("pdftotext -bbox -f " + p + " -l " + p + " '" + path + "' - 2>/dev/null");
  std::smatch m;
  const std::regex box("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">" +
                       word + "</word>");
  if (!std::regex_search(html, m, box)) return {};
  auto mm = [&](int k) { return std::stod(m[k].str()) * 25.4 / 72; };
  return {mm(1), mm(2), mm(3), mm(4)};
}
