#pragma once
// A built form with helpers to edit slots the way the editor does and to read back the
// message each slot carries.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "common/paths.h"
#include "common/utf.h"
#include "editor/pages.h"
#include "support/form_fixture.h"
#include "support/image_files.h"
#include "validate/validation.h"

// Compares status lines and prints both readably when they differ.
#define EXPECT_MESSAGE(actual, expected)      \
  EXPECT_TRUE(Text(actual) == Text(expected)) \
      << "got \"" << ::zarq::toUtf8(actual) << "\", want \"" << ::zarq::toUtf8(expected) << "\" "

namespace zarq::testing {

class ValidationTest : public FormTest {
 protected:
  // Shows the page the slots under test live on, as the user would see it.
  void onPage(int page) { showPage(*form, page); }
  const StatusBubble* bubbleOf(int slot) const {
    const std::int16_t record = form->fields[slot].bubble;
    return record == kNoBubble ? nullptr : &form->bubbles[record];
  }
  // A new text in the slot, validated as after a keystroke.
  void edit(int slot, TextView text) {
    field(slot).setText(text);
    validateAndCommit(*form, slot);
  }
  void closeMessageOf(int slot) { closeWarning(*form, form->fields[slot].bubble); }

  struct Case {
    const char16_t* text;
    const char16_t* status;  // u"" for a pass
  };
  // Gives the slot each text in turn and checks the message it then carries. Each text is
  // validated, even one equal to the text before it.
  void expectMessages(int slot, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
      field(slot).committedText = u"\t";
      edit(slot, c.text);
      EXPECT_MESSAGE(messageOf(slot), c.status)
          << "slot " << slot << " with \"" << toUtf8(c.text) << "\"";
    }
  }

  // A PNG image of the given size in the form's folder.
  void writePng(const std::string& name, int width, int height) {
    writeImage(dir / pathFromText(fromUtf8(name)),
               makeImage(width, height, [](int, int) { return 0xFF000000u; }), ImageFormat::Png);
  }
};

}  // namespace zarq::testing
