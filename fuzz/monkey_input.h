#pragma once
// The monkey's reading of its input: bytes become characters, places on the form, commands,
// clipboard texts, file names, charts and presets. Past the end every byte reads as 0.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "common/utf.h"
#include "files/preset_codec.h"
#include "form/settings_form.h"

namespace zarq::fuzz {

struct Point {
  int x = 0, y = 0;
};

class MonkeyInput {
 public:
  MonkeyInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool done() const { return pos_ >= size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  int number(int below) { return (byte() | byte() << 8) % below; }

  // One whole character, as an input method hands it over: digits, the number marks, Latin,
  // Chinese, characters of two units, and the marks a chart or path treats specially.
  Text character() {
    static constexpr const char16_t* kCharacters[] = {
        u"0",  u"1",  u"5",  u"9", u".", u"-", u"a", u"Z", u" ", u"歌", u"😀",
        u"𠀀", u"\\", u"\"", u"/", u"%", u"e", u"L", u"v", u"?", u"無", u"\u00e9"};
    return kCharacters[byte() % std::size(kCharacters)];
  }
  // Backspace, Tab, Enter, Escape, or a character of one unit.
  char16_t controlUnit() {
    static constexpr char16_t kUnits[] = {8, 9, 13, 27, u'7', u'.'};
    return kUnits[byte() % std::size(kUnits)];
  }
  // A text of whole characters, `longest` characters at most.
  Text text(int longest) {
    const int count = byte() % (longest + 1);
    Text out;
    for (int i = 0; i < count; ++i) out += character();
    return out;
  }

  Point anywhere() { return {number(kFrameWidth + 40) - 20, number(kFrameHeight + 40) - 20}; }

  // A point on one of the form's controls, wherever they are now.
  Point onControl(SettingsForm& form) {
    const int index = byte();
    const int offset = byte();
    switch (byte() % 7) {
      case 0: {
        const TextField& f = form.fields[index % kFieldCount];
        return at(f.x + offset * f.width / 255, f.y + f.height / 2);
      }
      case 1: {
        const CheckBox& b = form.checkBoxes[index % kCheckBoxCount];
        return at(b.x, b.y);
      }
      case 2: {
        const FieldLabel& l = form.labels[index % kLabelCount];
        const float dx = l.anchor == Align::Near ? 2.f : l.anchor == Align::Far ? -2.f : 0.f;
        return at(l.x + dx, l.y + l.size / 2);
      }
      case 3: {
        const Slider& s = form.sliders[index % kSliderCount];
        return at(s.x - s.width / 2 + offset * s.width / 255, s.y);
      }
      case 4: {
        const OptionPair& o = form.optionPairs[index % kOptionPairCount];
        const float x = offset % 2 ? o.x + o.width1 + o.gap + o.width2 / 2 : o.x + o.width1 / 2;
        return at(x, o.y + o.height / 2);
      }
      case 5: {
        const PageArrow& a = form.arrows[index % kArrowCount];
        return {a.x, a.y};
      }
      default: {
        // A bubble's box, or near its right end where a warning's close mark sits.
        const StatusBubble& b = form.bubbles[index % kBubbleCount];
        const float width = b.boxWidth(form.metrics);
        return at(b.boxLeft(form.metrics) + (offset % 2 ? width - 8 : width / 2), b.y + 12);
      }
    }
  }

  // Every key of the vocabulary, Other last, with or without Shift and Ctrl.
  KeyStroke keyStroke() {
    constexpr int kKeys = static_cast<int>(Key::Other) + 1;
    const int b = byte();
    return KeyStroke(static_cast<Key>(b % kKeys), b / kKeys % 2 == 1, b / (2 * kKeys) % 2 == 1);
  }

  Command command() {
    static constexpr Command kCommands[] = {
        Command::Paste,        Command::Page1,      Command::Page2, Command::Page3,
        Command::Page4,        Command::Page5,      Command::Save,  Command::SaveAlternative,
        Command::Open,         Command::PageDialog, Command::Page6, Command::SelectAll,
        Command::Copy,         Command::Cut,        Command::Undo,  Command::Redo,
        Command::PreviousField};
    return kCommands[byte() % std::size(kCommands)];
  }

  ClipboardText clipboard() {
    ClipboardText clip;
    const int status = byte() % 8;
    clip.status = status == 0   ? ClipboardText::Status::Unavailable
                  : status == 1 ? ClipboardText::Status::NoText
                  : status == 2 ? ClipboardText::Status::LockFailed
                                : ClipboardText::Status::Text;
    clip.text = text(160);
    return clip;
  }

  // A file name with the given suffix, sometimes in other letter cases, sometimes long.
  Text fileName(TextView suffix) {
    static constexpr const char16_t* kStems[] = {u"demo", u"Demo", u"a", u"谱面", u"x y", u""};
    Text name = kStems[byte() % std::size(kStems)];
    if (byte() % 4 == 0) name += text(60);
    Text end(suffix);
    if (byte() % 4 == 0) {
      for (char16_t& c : end) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
      }
    }
    return name + end;
  }

  // A chart: the keys the editor reads, with values from the input, some missing, and
  // sometimes a stretch of raw bytes.
  std::string chart() {
    std::string json = "{";
    const auto put = [&](const char* key, const std::string& value) {
      if (byte() % 5 == 0) return;
      json += std::string("\"") + key + "\"" + (byte() % 2 ? ": " : ":") + value + ",\n";
    };
    const auto quoted = [&](int longest) { return "\"" + toUtf8(text(longest)) + "\""; };
    put("ZarqVersion", std::to_string(100 + byte() % 40));
    for (int i = byte() % 4; i > 0; --i) put("bpm", std::to_string(number(2000) - 100));
    put("name", quoted(120));
    put("level", quoted(12));
    put("composer", quoted(30));
    put("charter", quoted(30));
    put("background", "\"bg." + toUtf8(text(6)) + "\"");
    put("song", "\"song." + toUtf8(text(6)) + "\"");
    for (int i = byte() % 8; i > 0; --i) json.push_back(static_cast<char>(byte()));
    return json + "\"end\":0}";
  }

  // A preset made from the form's values with some texts, boxes and options changed; now
  // and then cut short, with a slot left unterminated, an older version or extra bytes.
  std::vector<std::uint8_t> preset(PresetValues values) {
    for (int i = byte() % 6; i > 0; --i) values.texts[byte() % kFieldCount] = text(110);
    for (int i = byte() % 3; i > 0; --i) values.checkBoxes[byte() % kCheckBoxCount] = byte();
    for (auto& pair : values.optionPairs) {
      const int flags = byte();
      pair = {flags % 2 == 1, flags / 2 % 2 == 1};
    }
    values.sliders[byte() % kPresetSliderCount] = static_cast<float>(number(1000) - 100) / 4;
    values.obtainedType = kObtainedTypes[byte() % std::size(kObtainedTypes)];
    std::vector<std::uint8_t> bytes = encodePreset(values);
    const int damage = byte() % 8;
    if (damage == 0) {
      bytes.resize(number(static_cast<int>(bytes.size())));
    } else if (damage == 1) {
      // A slot of whole characters to its last unit, with no terminator.
      const std::size_t at = 18 + 400 * static_cast<std::size_t>(byte() % kFieldCount);
      for (std::size_t i = 0; i < kTextSlotUnits; ++i) {
        const auto unit = static_cast<char16_t>(u'字' ^ scrambleKey[i % kScrambleKeyLength]);
        bytes[at + 2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
        bytes[at + 2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
      }
    } else if (damage == 2) {
      const std::int16_t version = static_cast<std::int16_t>(999 + byte() % 8);
      bytes[16] = static_cast<std::uint8_t>(version & 0xFF);
      bytes[17] = static_cast<std::uint8_t>(version >> 8);
    } else if (damage == 3) {
      bytes.insert(bytes.end(), byte(), 0xFF);
    }
    return bytes;
  }

 private:
  static constexpr const char16_t* kObtainedTypes[] = {u"无",   u"Data", u"曲绘",
                                                       u"文件", u"头像", u"其他"};

  static Point at(float x, float y) { return {static_cast<int>(x), static_cast<int>(y)}; }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace zarq::fuzz
