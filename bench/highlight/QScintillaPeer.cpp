// Peer: QScintilla's HTML lexer styling the whole page in one call. Built only
// when QScintilla is installed.

#include <benchmark/benchmark.h>

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <memory>

#include "BenchPage.h"
#include "BenchRatios.h"

namespace tessaly::bench {

namespace {

void StyleWholePage(benchmark::State& state) {
  const BenchPage& page = Page();
  QsciScintilla editor;
  QsciLexerHTML lexer;
  editor.setLexer(&lexer);
  editor.setFolding(QsciScintilla::NoFoldStyle);
  editor.SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "fold", "0");
  // Single-byte text, the same bytes our scanner reads.
  editor.SendScintilla(QsciScintillaBase::SCI_SETCODEPAGE, 0UL);
  editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, page.text.c_str());
  for (auto _ : state) editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.text.size()));
}

}  // namespace

bool RegisterQScintillaBenchmarks(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static std::unique_ptr<QApplication> application = std::make_unique<QApplication>(argc, argv);
  benchmark::RegisterBenchmark("scan/qscintilla-html-lexer", StyleWholePage)->Unit(benchmark::kMillisecond);
  return true;
}

}  // namespace tessaly::bench
