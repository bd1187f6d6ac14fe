#include "app/documents/DocumentText.h"

#include <algorithm>
#include <cstdio>

#include "app/window/ProgramInfo.h"
#include "platform/CodePage1251.h"
#include "platform/Utf8.h"

namespace tessaly {

TFileDialogSpec HtmlFileDialogSpec() {
  TFileDialogSpec spec;
  spec.Filter = "HTML Files|*.htm; *.html|All Files|*.*";
  spec.DefaultExt = "htm";
  return spec;
}

std::string NewPageText() {
  return cp1251::FromUtf8(
      "<html>\n"
      "<head><title>МОЯ ПЕРВАЯ СТРАНИЦА</title>\r"
      "</head><body bgcolor=\"#0080C0\" text=\"#333333\" link=\"#999900\">\r"
      "<br> Здесь может быть Ваш текст\r"
      "</body></html>");
}

std::string FooterMarker() {
  return std::string("<a href=\"") + ProgramSiteAddress + "\"><font size=1>Powered by " + ApplicationTitle +
         "</font>";
}

std::string FooterLine() { return "<br><br><center>" + FooterMarker() + "</a>"; }

bool HasFooterLine(const std::vector<std::string>& lines) {
  const std::string footer = cp1251::LowerCase(FooterLine());
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.size() >= footer.size() && cp1251::LowerCase(line).find(footer) != std::string::npos;
  });
}

bool HasFooterMarker(const std::string& text) { return text.find(FooterMarker()) != std::string::npos; }

std::string FileBytes(const std::vector<std::string>& lines) {
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string bytes;
  bytes.reserve(size);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::vector<std::string> LinesToSave(std::vector<std::string> lines, bool addFooter) {
  if (addFooter) lines.push_back(FooterLine());
  return lines;
}

std::string SaveChangesQuestion(const std::string& fileName) {
  return "Данные были изменены!\nСохранить " + fileName + "?";
}

std::string FileSavedMessage(const std::string& fileName) { return "Файл сохранен:\r" + fileName; }

std::string RecentFileMissingMessage(const std::string& fileName) {
  return "Файл не найден:\r" + fileName + "\rОн убран из списка последних файлов.";
}

namespace {

std::string PlaceText(const TTextPlace& place) {
  return "строка " + std::to_string(place.Line) + ", столбец " + std::to_string(place.Column);
}

std::string CodePointText(char32_t codePoint) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(codePoint));
  std::string shown;
  AppendUtf8(shown, codePoint);
  return "«" + shown + "» (" + hex + ")";
}

}  // namespace

std::string UnreadableBytesMessage(text::Encoding from, const TConversion& conversion) {
  return "Текст не преобразован: в нём есть байты, которые кодировка " + std::string(text::Name(from)) +
         " не читает (первый: " + PlaceText(conversion.FirstInvalidPlace) + "; всего: " +
         std::to_string(conversion.Invalid) +
         ").\nОткройте файл заново в его настоящей кодировке или удалите эти байты.";
}

std::string UnrepresentableQuestion(text::Encoding to, const TConversion& conversion) {
  return "В кодировке " + std::string(text::Name(to)) + " нет символа " +
         CodePointText(conversion.FirstUnrepresentable) + ", " + PlaceText(conversion.FirstUnrepresentablePlace) +
         "; всего таких символов: " + std::to_string(conversion.Unrepresentable) +
         ".\nЗаписать их ссылками &#N; (браузер покажет те же символы)?";
}

std::string DeclarationQuestion(text::Encoding to, const TTextEdit& edit) {
  const std::string name(text::Name(to));
  if (edit.Length > 0) return "Страница объявляет другую кодировку. Исправить объявление на " + name + "?";
  return "Страница не объявляет свою кодировку. Добавить <meta charset=\"" + name + "\">?";
}

}  // namespace tessaly
