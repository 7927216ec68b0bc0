#pragma once
// Page 6: replacements for the words the recorder prints, two to a row, each captioned
// above its field.

#include "form/field_rows.h"

namespace zarq {

inline constexpr FieldRow kUiTextFields[] = {
    field(slot::uiSyncing, "uiSyncing", {197, 150, 250, 30}, u"同步中", Align::Centre)
        .captioned(label::uiSyncing, u"同步中", 322, 130.5f, 15, Align::Centre)
        .explained(u"这是 同步中 结算 界面 上面 ...\n要是 什么 都 没写 就没有 同步的 框 ..."),
    field(slot::uiSynced, "uiSynced", {497, 150, 250, 30}, u"已同步", Align::Centre)
        .captioned(label::uiSynced, u"已同步", 622, 130.5f, 15, Align::Centre)
        .explained(u"这是 已同步 结算 界面 上面 ..."),
    field(slot::uiLoading, "uiLoading", {197, 215, 250, 30}, u"Loading...", Align::Centre)
        .captioned(label::uiLoading, u"Loading", 322, 195.5f, 15, Align::Centre)
        .explained(u"这是 Loading... 开场 界面 右下角 ..."),
    field(slot::uiCombo, "uiCombo", {497, 215, 250, 30}, u"RECORD", Align::Centre)
        .captioned(label::uiCombo, u"COMBO", 622, 195.5f, 15, Align::Centre)
        .explained(u"这是 COMBO 谱面 界面 上面 ..."),
    field(slot::uiNewBest, "uiNewBest", {197, 280, 250, 30}, u"NEW BEST", Align::Centre)
        .captioned(label::uiNewBest, u"NEW BEST", 322, 260.5f, 15, Align::Centre)
        .explained(u"这是 NEW BEST 结算 界面 分数 下边 ..."),
    field(slot::uiMaxCombo, "uiMaxCombo", {497, 280, 250, 30}, u"Max Combo", Align::Centre)
        .captioned(label::uiMaxCombo, u"Max Combo", 622, 260.5f, 15, Align::Centre)
        .explained(u"这是 Max Combo 结算 界面 ..."),
    field(slot::uiAccuracy, "uiAccuracy", {197, 345, 250, 30}, u"Accuracy", Align::Centre)
        .captioned(label::uiAccuracy, u"Accuracy", 322, 325.5f, 15, Align::Centre)
        .explained(u"这是 Accuracy 结算 界面 Max Combo 右边 ..."),
    field(slot::uiAccuracyValue, "uiAccuracyValue", {497, 345, 250, 30}, u"100.00%", Align::Centre)
        .captioned(label::uiAccuracyValue, u"准度", 622, 325.5f, 15, Align::Centre)
        .explained(u"这是 准度 就是 100.00% 这样 在 结算 界面 ..."),
    field(slot::uiPerfect, "uiPerfect", {197, 410, 250, 30}, u"Perfect", Align::Centre)
        .captioned(label::uiPerfect, u"Perfect", 322, 390.5f, 15, Align::Centre)
        .explained(u"这是 Perfect 结算 界面 ..."),
    field(slot::uiGood, "uiGood", {497, 410, 250, 30}, u"Good", Align::Centre)
        .captioned(label::uiGood, u"Good", 622, 390.5f, 15, Align::Centre)
        .explained(u"这是 Good 结算 界面 ..."),
    field(slot::uiBad, "uiBad", {197, 475, 250, 30}, u"Bad", Align::Centre)
        .captioned(label::uiBad, u"Bad", 322, 455.5f, 15, Align::Centre)
        .explained(u"这是 Bad 结算 界面 ..."),
    field(slot::uiMiss, "uiMiss", {497, 475, 250, 30}, u"Miss", Align::Centre)
        .captioned(label::uiMiss, u"Miss", 622, 455.5f, 15, Align::Centre)
        .explained(u"这是 Miss 结算 界面 ..."),
    field(slot::uiEarly, "uiEarly", {197, 540, 250, 30}, u"Early", Align::Centre)
        .captioned(label::uiEarly, u"Early", 322, 520.5f, 15, Align::Centre)
        .explained(u"这是 Early 结算 界面 ..."),
    field(slot::uiLate, "uiLate", {497, 540, 250, 30}, u"Late", Align::Centre)
        .captioned(label::uiLate, u"Late", 622, 520.5f, 15, Align::Centre)
        .explained(u"这是 Late 结算 界面 ..."),
    field(slot::remarks, "remarks", {197, 605, 550, 30}, u"无", Align::Centre)
        .captioned(label::remarks, u"备注信息", 472, 585.5f, 15, Align::Centre)
        .explained(u"随便 写 ..."),
};

inline constexpr PageRows kUiTextPage = {
    .number = 6,
    .title = {label::titleUiText, u"UI文本设置", u"你好 我 是\n我 很困\n所以 不想 说明 ..."},
    .fields = kUiTextFields,
};

}  // namespace zarq
