#pragma once
// Page 2: what the opening screen shows. Captions end at x 225, left of their fields; the
// level shares its row with the superscript and subscript of the difficulty.

#include "form/field_rows.h"

namespace zarq {

inline constexpr FieldRow kOpeningFields[] = {
    field(slot::songName, "songName", {230, 130, Lw, 30}, u"Zarq Radoziro")
        .captioned(label::songName, u"曲名", 225, 133, 24, Align::Far)
        .explained(u"你不会填？你不会填？\n你Zarq上填的曲名是啥你照着往上填就行了\n就这还要说啊（小"
                   u"声嘟囔）"),
    field(slot::level, "level", {230, 181, Lw / 2, 30}, u"15")
        .captioned(label::level, u"等级", 225, 184, 24, Align::Far)
        .explained(u"是你谱面的定数就像1啊14啊15啊那些的，记得别把难度写上去啊咕咕咕咕！"),
    field(slot::superscript, "superscript", {230 + 5 * Lw / 8, 181, Lw / 8, 30}, u"")
        .captioned(label::superscript, u"上标", 230 + 9 * Lw / 16, 184, 24, Align::Centre)
        .explained(u"写在难度右上角的东西啦！"),
    field(slot::subscript, "subscript", {230 + 7 * Lw / 8, 181, Lw / 8, 30}, u"")
        .captioned(label::subscript, u"下标", 230 + 13 * Lw / 16, 184, 24, Align::Centre)
        .explained(u"写在难度右下角的东西啦！"),
    field(slot::difficulty, "difficulty", {230, 232, Lw, 30}, u"IN")
        .captioned(label::difficulty, u"难度", 225, 235, 24, Align::Far)
        .explained(u"五选一罢\n\nEZ HD IN AT SP\n当然你也可以自己填别的啦！"),
    field(slot::composer, "composer", {230, 283, Lw, 30}, u"不会混音のOrvenn")
        .captioned(label::composer, u"曲师", 225, 286, 24, Align::Far)
        .explained(u"这你都不知道（惊讶）\n曲作者谁写上去行了啊。"),
    field(slot::charter, "charter", {230, 334, Lw, 30}, u"不会特效のOrvenn")
        .captioned(label::charter, u"谱师", 225, 337, 24, Align::Far)
        .explained(u"你连你自己都不认识了是吧."
                   u"jpg\n把你的名字写上去就行了，我不是让你写真名啊你别理解错！当然你可以想马甲"),
    field(slot::illustrator, "illustrator", {230, 385, Lw, 30}, u"不会上色のOrvenn")
        .captioned(label::illustrator, u"画师", 225, 388, 24, Align::Far)
        .explained(u"这你……\n画师是谁直接填上啊（）\n如果你没事先了解到那就是你倒霉咯\n如果是别的游"
                   u"戏动漫的也许你可以填那些名字或背后公司"),
    field(slot::tip, "tip", {230, 436, Lw, 30}, u"Tip: ")
        .deleteLeaving(u"Tip: ")
        .captioned(label::tip, u"Tip", 225, 439, 24, Align::Far)
        .explained(u"你想写什么玩笑话啊正经话啊都可以写上去。\n\n哦对了别忘了加Tip接英文冒号和空格"
                   u"啊，到时候你错了我可不背锅啊我原先玩的好好的突然给了我这么个职位我已经很尽力了"
                   u"（冒汗）\n谁让你是个新手呢"),
    field(slot::aspectRatio, "aspectRatio", {230, 487, Lw, 30}, u"4:3")
        .filtered(kRatio)
        .captioned(label::aspectRatio, u"比例", 225, 490, 24, Align::Far)
        .explained(u"（战术清嗓子）\n首先你的Zarq内编辑器的播放比例是3:"
                   u"2\n然后如果你想要一个手机版本的比例那你要填16:9\n板子的话就4:"
                   u"3吧\n然后如果你用了盘子这类的表演还有断线啊故事版啊那我还是建议一下让你用3:2"),
    field(slot::frameRate, "frameRate", {230, 538, Lw, 30}, u"60")
        .filtered(kNumber | kInteger)
        .captioned(label::frameRate, u"帧率", 225, 541, 24, Align::Far)
        .explained(u"建议使用60\n60以上的不给录\n60以下不影响观感啊？（恼）"),
};

inline constexpr OptionPairRow kOpeningOptionPairs[] = {
    {.index = pair::quality,
     .name = "quality",
     .x = 230,
     .y = 589,
     .height = 30,
     .first = u"1080P",
     .second = u"2K",
     .firstSelected = true,
     .exclusive = true,
     .gap = 5,
     .caption = {label::quality, u"画质", 225, 592, 24, Align::Far},
     .help = u"嗯……两个选项二选一吧（）\n\n一个是2K，一个是1080P哦\n如果你觉得不想为难录制人员的话"
             u"你就选后者罢\n当然你为了观感也可以选择前者——\n\n选择恐惧症犯了（emmm）"},
};

inline constexpr PageRows kOpeningPage = {
    .number = 2,
    .title = {label::titleOpening, u"开场动画设置",
              u"这一页是开场动画的设置哦！\n曲名、等级、难度，还有曲师、谱师、画师，开场的时候都会"
              u"一个一个显示出来。\n认真填好它们，开场就会超帅气的啦！(๑•̀ㅂ•́)و✧"},
    .fields = kOpeningFields,
    .optionPairs = kOpeningOptionPairs,
};

}  // namespace zarq
