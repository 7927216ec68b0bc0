#pragma once
// The validation messages: the one module that hands out, attaches, replaces and releases
// the form's bubbles. Record 0 is reserved for the auto-fill offer and never handed out;
// rules take records 1 to 49.

#include <array>
#include <cstdint>

#include "form/form_ids.h"
#include "widgets/status_bubble.h"

namespace zarq {

struct SettingsForm;

using BubblePool = std::array<StatusBubble, kBubbleCount>;

inline constexpr std::int16_t kAutoFillRecord = 0;

struct BubbleContent {
  TextView status;
  TextView speech;
  float x = 0, y = 0;
  float size = kBubbleFontSize;
  Align anchor = Align::Near;
  std::int16_t code = 0;
  OwnerKind ownerKind = OwnerKind::TextField;
  std::int16_t ownerId = 0;
  bool isError = false;
  Argb colour = 0xFF000000;
};

// The first free record from 1 upwards, filled and visible (texts cut to the bubble's
// capacities); kNoBubble when all 49 are in use.
std::int16_t allocBubble(BubblePool& pool, const BubbleContent& content);

// --- Messages of a text field ---

// The record a slot refers to, or kNoBubble when it refers to none or the record has passed
// to another owner since.
std::int16_t ownedBubble(const SettingsForm& form, int slot);
// Hangs `content` on the slot: the auto-fill offer always in record 0, any other message in
// a free record (none when the pool is exhausted).
void attachFieldMessage(SettingsForm& form, int slot, const BubbleContent& content,
                        bool autoFillOffer);
// Hides the message the slot owns and detaches it.
void releaseFieldMessage(SettingsForm& form, int slot);

// --- Messages of the form as a whole, each held by one reference of the form ---

struct FormMessage {
  bool isError;
  const char16_t* status;
  const char16_t* speech;
  float x, y;
  Align anchor;
  OwnerKind ownerKind;
  std::int16_t ownerId;
};
// Takes away the message the reference holds, then shows `message` when the check failed.
void replaceFormMessage(SettingsForm& form, std::int16_t& reference, bool failed,
                        const FormMessage& message);
// Hides the message the reference holds and forgets it.
void releaseFormMessage(SettingsForm& form, std::int16_t& reference);

// --- All of them ---

// The user closed the warning in `record`: hidden, and no form reference keeps it. False
// when the record is no visible warning.
bool closeMessage(SettingsForm& form, int record);
// Every message hidden and detached, as when a page is shown afresh.
void releaseAllMessages(SettingsForm& form);

}  // namespace zarq
