#include "validate/messages.h"

#include "form/settings_form.h"

namespace zarq {
namespace {

void setBubble(StatusBubble& bubble, const BubbleContent& content) {
  bubble.x = content.x;
  bubble.y = content.y;
  bubble.size = content.size;
  bubble.status = capped(content.status, kStatusCapacity);
  bubble.speech = capped(content.speech, kSpeechCapacity);
  bubble.anchor = content.anchor;
  bubble.code = content.code;
  bubble.ownerKind = content.ownerKind;
  bubble.ownerId = content.ownerId;
  bubble.isError = content.isError;
  bubble.colour = content.colour;
  bubble.visible = true;
}

bool isRecord(int record) { return record >= 0 && record < kBubbleCount; }

std::array<std::int16_t*, 4> formReferences(SettingsForm& form) {
  return {&form.recordPartsBubble, &form.longNameBubble, &form.longContentBubble,
          &form.storyboardBubble};
}

}  // namespace

std::int16_t allocBubble(BubblePool& pool, const BubbleContent& content) {
  for (std::size_t i = 1; i < pool.size(); ++i) {
    if (!pool[i].visible) {
      setBubble(pool[i], content);
      return static_cast<std::int16_t>(i);
    }
  }
  return kNoBubble;
}

std::int16_t ownedBubble(const SettingsForm& form, int slot) {
  const std::int16_t record = form.fields[slot].bubble;
  if (!isRecord(record)) return kNoBubble;
  const StatusBubble& bubble = form.bubbles[record];
  if (bubble.ownerKind != OwnerKind::TextField || bubble.ownerId != slot) return kNoBubble;
  return record;
}

void attachFieldMessage(SettingsForm& form, int slot, const BubbleContent& content,
                        bool autoFillOffer) {
  TextField& field = form.fields[slot];
  if (autoFillOffer) {
    setBubble(form.bubbles[kAutoFillRecord], content);
    field.bubble = kAutoFillRecord;
  } else {
    field.bubble = allocBubble(form.bubbles, content);
  }
}

void releaseFieldMessage(SettingsForm& form, int slot) {
  if (const std::int16_t record = ownedBubble(form, slot); record != kNoBubble) {
    form.bubbles[record].visible = false;
  }
  form.fields[slot].bubble = kNoBubble;
}

void replaceFormMessage(SettingsForm& form, std::int16_t& reference, bool failed,
                        const FormMessage& message) {
  // A record the message no longer owns may carry another one by now.
  if (isRecord(reference)) {
    StatusBubble& previous = form.bubbles[reference];
    if (previous.ownerKind == message.ownerKind && previous.ownerId == message.ownerId) {
      previous.visible = false;
    }
  }
  reference = kNoBubble;
  if (!failed) return;
  reference = allocBubble(form.bubbles, {.status = message.status,
                                         .speech = message.speech,
                                         .x = message.x,
                                         .y = message.y,
                                         .anchor = message.anchor,
                                         .code = 0,
                                         .ownerKind = message.ownerKind,
                                         .ownerId = message.ownerId,
                                         .isError = message.isError});
}

void releaseFormMessage(SettingsForm& form, std::int16_t& reference) {
  if (isRecord(reference)) form.bubbles[reference].visible = false;
  reference = kNoBubble;
}

bool closeMessage(SettingsForm& form, int record) {
  if (!isRecord(record)) return false;
  StatusBubble& bubble = form.bubbles[record];
  if (!bubble.visible || bubble.isError) return false;
  bubble.visible = false;
  for (std::int16_t* reference : formReferences(form)) {
    if (*reference == record) *reference = kNoBubble;
  }
  return true;
}

void releaseAllMessages(SettingsForm& form) {
  for (TextField& field : form.fields) field.bubble = kNoBubble;
  for (StatusBubble& bubble : form.bubbles) bubble.visible = false;
  for (std::int16_t* reference : formReferences(form)) *reference = kNoBubble;
}

}  // namespace zarq
