#pragma once
// The form's rows collected by index: everything that asks which field, box, slider or
// option pair this is reads them. The rows themselves are in the pages' headers.

#include <span>

#include "form/field_rows.h"

namespace zarq {

// In slot order; the row's `page` says where it is shown.
std::span<const FieldRow> fieldRows();
const FieldRow& fieldRow(int slot);  // slot 0 to kFieldCount - 1

std::span<const CheckBoxRow> checkBoxRows();
const CheckBoxRow& checkBoxRow(int index);
std::span<const SliderRow> sliderRows();
const SliderRow& sliderRow(int index);
std::span<const OptionPairRow> optionPairRows();
const OptionPairRow& optionPairRow(int index);

// Pages 1 to kPageCount, in order.
std::span<const PageRows> pageRows();
const PageRows& pageRow(int page);

// The result page's selector of the obtained type.
const SelectorRow& obtainedTypeSelector();

// The field a slider mirrors its value in, and the slider that mirrors its value in `slot`
// (-1 for none).
int linkedSlot(int slider);
int linkedSlider(int slot);

// The caption that explains a field without one of its own, as its name and its help: its
// slider's, else the nearest captioned field before it on its page with the same help text,
// else the box, pair or selector with that help text; none when only the page's title does.
const Caption* explainingCaption(const FieldRow& row);

// The obtained content and its second line follow the selector of the result page (the
// second line through its box); the page's own step shows and checks them.
bool followsObtainedType(const FieldRow& row);

}  // namespace zarq
