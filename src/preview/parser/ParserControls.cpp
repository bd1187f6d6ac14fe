// The builders of the preview parser that read their own content: form
// lists and text areas, image maps and scripts.

#include "platform/CodePage1251.h"
#include "platform/Utf8.h"
#include "preview/parser/PreviewParser.h"

namespace tessaly::preview {

// ---- Form controls, maps, scripts ------------------------------------------

void TPreviewParser::DoSelect() {
  ParaSpacePending = false;
  EnsureSection();
  auto* list =
      static_cast<TListBoxFormControlObj*>(Section->AddFormControl(Sy::Select, Form(), Attrs(), R.NoBreak, R.SymbolIndex));
  const bool oldNoBreak = R.NoBreak;
  R.NoBreak = false;
  TOptionObj option;
  bool inOption = false;
  std::u32string caption;
  auto finishOption = [&] {
    if (!inOption) return;
    inOption = false;
    option.Caption = Trim(ToUtf8(caption));
    if (!option.Caption.empty()) list->AddOption(option);
  };
  for (;;) {
    Next();
    if (R.Sym == Sy::Option) {
      finishOption();
      inOption = true;
      option.Selected = Attrs().Has(Attr::SELECTED);
      option.HasValue = Attrs().Has(Attr::VALUE);
      option.Value = Attrs().Text(Attr::VALUE);
      caption.clear();
    } else if (R.Sym == Sy::Text) {
      if (inOption) caption = (caption + R.Token.S).substr(0, 255);
    } else if (R.Sym == Sy::OptionEnd) {
      finishOption();
    } else if (R.Sym == Sy::SelectEnd || R.Sym == Sy::Eof) {
      break;
    }
  }
  finishOption();
  list->ResetToValue();
  R.NoBreak = oldNoBreak;
}

void TPreviewParser::DoTextArea() {
  ParaSpacePending = false;
  EnsureSection();
  auto* area = static_cast<TTextAreaFormControlObj*>(
      Section->AddFormControl(Sy::TextArea, Form(), Attrs(), R.NoBreak, R.SymbolIndex));
  std::string line;
  for (;;) {
    if (R.Ch == kEndOfInput) break;
    if (R.Ch == '\r') {
      area->AddLine(line);
      line.clear();
      R.GetCh();
    } else if (R.Ch == '&') {
      TokenObj entity;
      R.ReadEntity(entity);
      line += ToUtf8(entity.S);
    } else if (R.Ch == '<') {
      std::string run(1, '<');
      R.GetCh();
      while (R.Ch != ' ' && R.Ch != '\r' && R.Ch != '>' && R.Ch != kEndOfInput) {
        AppendUtf8(run, static_cast<char32_t>(R.Ch));
        R.GetCh();
      }
      if (cp1251::SameText(run, "</textarea")) {
        while (R.Ch != '>' && R.Ch != kEndOfInput) R.GetCh();
        if (R.Ch == '>') R.GetCh();
        break;
      }
      line += run;
    } else {
      AppendUtf8(line, static_cast<char32_t>(R.Ch));
      R.GetCh();
    }
  }
  if (!line.empty()) area->AddLine(line);
  area->ResetToValue();
}

bool TPreviewParser::DoMap() {
  auto map = std::make_unique<TMapItem>();
  map->MapName = cp1251::UpperCase(Trim(Attrs().Text(Attr::NAME)));
  int others = 0;
  for (;;) {
    Next();
    switch (R.Sym) {
      case Sy::Area: map->AddArea(Attrs()); break;
      case Sy::Text: break;
      case Sy::MapEnd:
        Doc->MapList.push_back(std::move(map));
        return false;
      case Sy::Eof: return true;
      default:
        if (++others == 3) return true;  // not a map after all: dropped
        break;
    }
  }
}

std::string TPreviewParser::ReadRawBody(std::string_view endTag) {
  std::string body;
  body.reserve(32500);
  bool ended = false;
  while (R.Ch != kEndOfInput && !ended) {
    if (R.Ch == '\r') body += "\r\n";
    else AppendUtf8(body, static_cast<char32_t>(R.Ch));
    ended = R.Ch == '>' && body.size() >= endTag.size() &&
            cp1251::SameText(std::string_view(body).substr(body.size() - endTag.size()), endTag);
    if (ended) {
      body.resize(body.size() - endTag.size());
      R.ScriptMode = false;  // the character after the end tag is read normally
    }
    R.GetCh();
  }
  R.ScriptMode = false;
  return body;
}

void TPreviewParser::DoScript() {
  const std::string name = Attrs().Text(Attr::NAME), language = Attrs().Text(Attr::LANGUAGE);
  const std::string script = ReadRawBody("</script>");
  if (Doc->Container) Doc->Container->ScriptEvent(name, language, script);
}

}  // namespace tessaly::preview
