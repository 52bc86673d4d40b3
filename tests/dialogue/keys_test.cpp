// The key table and what is written about it: every key the window answers
// is in the README's and both manual pages' lists of keys, and each key runs
// the gesture the table gives it.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "dialogue/keys.hpp"
#include "form_fixture.hpp"

namespace ringcoil::testing {
namespace {

std::string read(const std::string& path) {
  std::ifstream file(std::string(RINGCOIL_SOURCE_DIR) + "/" + path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// The text between `from` and the next heading starting with `next`, with
// the manual pages' markup taken out: ".BR 0 \(en 9" reads "0–9".
std::string section(const std::string& text, const std::string& from, const std::string& next) {
  const auto start = text.find(from);
  if (start == std::string::npos) return {};
  std::string s = text.substr(start, text.find(next, start + from.size()) - start);
  for (const auto& [markup, plain] : {std::pair<std::string, std::string>{" \\(en ", "–"},
                                      {"\\&", ""}, {"\"", ""}, {".BR ", ""}, {".B ", ""}}) {
    for (auto at = s.find(markup); at != std::string::npos; at = s.find(markup, at)) {
      s.replace(at, markup.size(), plain);
    }
  }
  return s;
}

// Each list names exactly the table's keys: none missing, none the window
// does not answer. The keypad's keys are listed as a range, "0–9", with the
// comma and point in words.
TEST(Keys, TheListsOfKeysAreTheTable) {
  std::set<std::string> table;
  for (const KeyBinding& binding : kKeys) {
    table.insert(isKeypadKey(binding) ? "0–9" : std::string(binding.keys));
  }
  const std::regex key(
      "(Alt|Ctrl|Shift|Meta)\\+\\w+|\\bF[0-9]{1,2}\\b|0–9|"
      "\\b(Return|Enter|Space|Esc|Escape|Tab|Delete|Del|Backspace|Insert|Home|End|PgUp|PgDown)\\b");
  const std::string lists[] = {
      section(read("README.md"), "## Without a mouse", "\n## "),
      section(read("packaging/man/ringcoil.1"), ".SH KEYS", ".SH "),
      section(read("packaging/man/ru/ringcoil.1"), ".SH КЛАВИШИ", ".SH "),
  };
  for (const std::string& list : lists) {
    ASSERT_FALSE(list.empty());
    std::set<std::string> listed;
    for (auto it = std::sregex_iterator(list.begin(), list.end(), key); it != std::sregex_iterator(); ++it) {
      listed.insert(it->str());
    }
    EXPECT_EQ(listed, table) << list.substr(0, 60);
  }
}

TEST(Keys, EachRowNamesItsKeyOnceAndIsHeard) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    EXPECT_EQ(keyBinding(kKeys[i].keys), &kKeys[i]);  // no earlier row names the key
    // A key that raises an event runs a handler, which tells the listener
    // what it did unless the key is a character typed (heard as typed).
    EXPECT_FALSE(kKeys[i].words.empty()) << kKeys[i].keys;
    if (kKeys[i].action == KeyAction::Raise) {
      const Form1::Handler* handler = Form1::handlerFor(*kKeys[i].element, kKeys[i].event);
      ASSERT_NE(handler, nullptr) << kKeys[i].keys;
      EXPECT_TRUE(kKeys[i].keys.size() == 1 || handler->words) << kKeys[i].keys << " tells nothing";
    }
    // A keypad key's row presses the key of its own caption; the point the comma.
    if (isKeypadKey(kKeys[i])) {
      const std::string_view caption = kKeys[i].keys == "." ? "," : kKeys[i].keys;
      EXPECT_EQ(def(*kKeys[i].element).caption, caption);
    }
  }
  EXPECT_EQ(keyBinding("Ctrl+N"), nullptr);
}

// The list a listener hears when the window opens, made from the table.
TEST(Keys, TheSpokenListOfKeys) {
  EXPECT_EQ(spokenListOfKeys(),
            "Клавиши: Альт+N — рассчитать количество витков; Альт+L — рассчитать индуктивность; "
            "цифры и запятая — кнопки калькулятора; Ввод или пробел — нажать кнопку в фокусе; "
            "Табуляция — к следующей кнопке; Контрол+C — скопировать ответ; "
            "F1 — справка, Ввод на её страницах — дальше.");
}

// What an assistive tool is told a press does, in the keys' words.
TEST(Keys, ThePressOfAnElementIsItsKeys) {
  EXPECT_EQ(keyWordsPressing(el::Виток), "Альт+N");
  EXPECT_EQ(keyWordsPressing(el::Индукт), "Альт+L");
  EXPECT_EQ(keyWordsPressing(el::Глава), "F1");
  EXPECT_EQ(keyWordsPressing(el::Ввод), "Ввод, пробел");
  EXPECT_EQ(keyWordsPressing(el::Автор), "Ввод, пробел, Эскейп");
  EXPECT_EQ(keyWordsPressing(el::Окно1), "");
  EXPECT_EQ(keyWordsPressing(el::Фон1), "");
}

// An assistive tool's press runs what the mouse runs on the element pressed:
// each computable name chooses its own mode, and only while it is in sight.
TEST_F(FormTest, APressOnANameChoosesItsOwnMode) {
  form.press(el::Индукт);
  EXPECT_TRUE(visible(el::Индукт2)) << "the inductance is the answer";
  EXPECT_EQ(caption(el::Z), "");
  EXPECT_EQ(form.focus(), el::Ввод);
  form.press(el::Виток);  // the name is gone: nothing happens
  EXPECT_EQ(caption(el::Z), "");
  form.press(el::aaa);
  form.press(el::aaaa);
  form.press(el::Глава);
  form.press(el::Виток);  // under the open page
  EXPECT_EQ(caption(el::Z), "");
  form.press(el::Автор);  // not in sight yet: the help stays open
  EXPECT_TRUE(visible(el::Фон1));
  for (const Id next : {el::Далее, el::Далеее, el::Закрыть, el::Автор}) form.press(next);
  EXPECT_FALSE(visible(el::Фон1));
  form.press(el::Виток);
  EXPECT_EQ(caption(el::Z), "1");
  EXPECT_TRUE(visible(el::Виток2)) << "the number of turns is the answer";
}

}  // namespace
}  // namespace ringcoil::testing
