#include "app/libraries/ScriptLibrary.h"

#include <cstdio>

#include "platform/CodePage1251.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "strlib/StrLibItem.h"

namespace tessaly {

void CheckListIndex(int index, int count) {
  if (index < 0 || index >= count) throw Exception(Format("List index out of bounds (%d)", index));
}

void TScriptLibrary::Load() {
  damagedFile_ = false;
  const bool present = FileExists(fileName_);
  try {
    list_.LoadFromFile(fileName_);
  } catch (const Exception&) {
    // A file we cannot read must survive until the user changes the library
    // on purpose; a missing one leaves whatever the library started with.
    if (present) {
      damagedFile_ = true;
      list_.Clear();
    }
    throw;
  }
}

std::vector<std::string> TScriptLibrary::Descriptions() const {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(list_.Count()));
  for (int i = 0; i < list_.Count(); ++i) names.push_back(list_.Items(i).Description());
  return names;
}

std::string TScriptLibrary::SnippetText(int index) const {
  CheckListIndex(index, list_.Count());
  return list_.Items(index).Text();
}

template <typename Change>
void TScriptLibrary::Commit(Change&& change) {
  const std::string before = list_.SaveToBytes();
  change();
  const std::string backup = fileName_ + ".bak";
  bool movedAside = false;
  try {
    if (damagedFile_ && FileExists(fileName_)) {
      if (std::rename(fileName_.c_str(), backup.c_str()) != 0)
        throw EFCreateError(backup, LastSystemErrorText());
      movedAside = true;
    }
    list_.SaveToFile(fileName_);
  } catch (...) {
    if (movedAside) std::rename(backup.c_str(), fileName_.c_str());
    list_.LoadFromBytes(before);
    throw;
  }
  damagedFile_ = false;
  list_.LoadFromFile(fileName_);
}

void TScriptLibrary::Add(const std::string& description, std::vector<std::string> lines) {
  Commit([&] {
    strlib::TStrLibItem& item = list_.Add();
    item.SetDescription(description);
    item.SetLines(std::move(lines));
  });
}

void TScriptLibrary::Replace(int index, const std::string& description, std::vector<std::string> lines) {
  CheckListIndex(index, list_.Count());
  Commit([&] {
    strlib::TStrLibItem& item = list_.Items(index);
    item.SetDescription(description);
    item.SetLines(std::move(lines));
  });
}

void TScriptLibrary::Delete(int index) {
  CheckListIndex(index, list_.Count());
  Commit([&] { list_.Delete(index); });
}

namespace {

struct TDefaultScript {
  const char* Name;
  const char* Text;
};

// Plain DOM calls only, so the snippets run in any current browser.
constexpr TDefaultScript kDefaultJavaScripts[] = {
    {"Мигающая кнопка",
     "<input type=\"button\" id=\"blinkButton\" value=\"Нажми меня\" onclick=\"alert('Спасибо!')\">\n"
     "<script type=\"text/javascript\">\n"
     "(function () {\n"
     "  var button = document.getElementById('blinkButton'), lit = false;\n"
     "  setInterval(function () {\n"
     "    lit = !lit;\n"
     "    button.style.backgroundColor = lit ? '#FFCC00' : '';\n"
     "    button.style.color = lit ? '#990000' : '';\n"
     "  }, 500);\n"
     "})();\n"
     "</script>"},
    {"часы background",
     "<div id=\"clockBox\" style=\"font: bold 20px Arial; color: #FFFFFF; background: #336699;"
     " padding: 4px 10px; display: inline-block\"></div>\n"
     "<script type=\"text/javascript\">\n"
     "(function () {\n"
     "  function two(n) { return (n < 10 ? '0' : '') + n; }\n"
     "  function tick() {\n"
     "    var now = new Date();\n"
     "    document.getElementById('clockBox').innerHTML =\n"
     "        two(now.getHours()) + ':' + two(now.getMinutes()) + ':' + two(now.getSeconds());\n"
     "  }\n"
     "  tick();\n"
     "  setInterval(tick, 1000);\n"
     "})();\n"
     "</script>"},
    {"привет с датой",
     "<p id=\"greeting\"></p>\n"
     "<script type=\"text/javascript\">\n"
     "(function () {\n"
     "  var now = new Date(), hour = now.getHours();\n"
     "  var months = ['января', 'февраля', 'марта', 'апреля', 'мая', 'июня',\n"
     "                'июля', 'августа', 'сентября', 'октября', 'ноября', 'декабря'];\n"
     "  var hello = hour < 6 ? 'Доброй ночи' : hour < 12 ? 'Доброе утро' : hour < 18 ? 'Добрый день' : 'Добрый вечер';\n"
     "  document.getElementById('greeting').innerHTML = hello + '! Сегодня ' + now.getDate() + ' ' +\n"
     "      months[now.getMonth()] + ' ' + now.getFullYear() + ' года.';\n"
     "})();\n"
     "</script>"},
};

}  // namespace

void FillDefaultJavaScripts(strlib::TStrLibList& list) {
  list.Clear();
  for (const TDefaultScript& script : kDefaultJavaScripts) {
    strlib::TStrLibItem& item = list.Add();
    item.SetDescription(cp1251::FromUtf8(script.Name));
    item.SetLines(strlib::SplitLines(cp1251::FromUtf8(script.Text)));
  }
}

}  // namespace tessaly
