// Page 1: the chart, its media files and the five sliders.

#include <cmath>

#include "files/chart_version.h"
#include "files/file_access.h"
#include "form/media_file.h"
#include "form/preview.h"
#include "form/slider_link.h"
#include "validate/file_status_line.h"
#include "validate/rule_table.h"

namespace zarq {
namespace {

constexpr char16_t kNothingWritten[] =
    u"你什么都没有写诶(」゜ロ゜)」\n你把谱面拖进来吧，Pim酱帮你填！(。-ω-)";
constexpr char16_t kUnknownFormat[] =
    u"是Pim酱不认识的谱面格式呢(╥╯^╰╥)\n"
    u"打开你的Zarq谱面，点击谱面基本信息，点击打开文件夹就能找到谱面了哦！";
constexpr char16_t kSuffixTooLong[] = u"太长辣！真的有这么长的后缀名嘛……";
constexpr char16_t kEarsResonating[] = u"你的耳朵想要体验核心共振嘛 (；'A`)";

// --- slot 0: the chart file "<chart ID>.json" ---

std::filesystem::path chartFile(const RuleContext& c) {
  return namedFile(c.form, c.text() + u".json");
}

bool chartUnreadable(RuleContext& c) { return !fileReadable(c.form.platform.files, chartFile(c)); }

// Kept open for the rows that read the version: a chart is scanned from its file, never
// read whole.
bool chartUnopenable(RuleContext& c) {
  // Identified first: a file replaced between the two is not taken for the one read.
  c.chartIdentity = identifyFile(c.form.platform.files, chartFile(c));
  c.chart = openRegularFile(chartFile(c));
  return !c.chart;
}

// A large chart unchanged since page 1 last read it is not read again. A smaller one costs
// less than a frame to read and is read every time, so that one rewritten in place within a
// tick of the file system's clock, its size unchanged, is never taken for the one read before.
constexpr std::uint64_t kKeptChartSize = 16 << 20;

bool versionKeyMissing(RuleContext& c) {
  ChartVersionSeen& seen = c.form.chartVersionSeen;
  const bool kept = c.chartIdentity && c.chartIdentity->size >= kKeptChartSize;
  if (!kept || seen.file != c.chartIdentity) {
    ChartStream stream(c.chart.get());
    seen = {c.chartIdentity, readChartVersion(stream)};
  }
  c.chartVersion = seen.version;
  return c.chartVersion.key == ChartVersion::Key::Missing;
}

bool versionUnreadable(RuleContext& c) { return c.chartVersion.key != ChartVersion::Key::Found; }

bool versionTooOld(RuleContext& c) { return c.chartVersion.version < 105; }
bool versionTooNew(RuleContext& c) { return c.chartVersion.version > 130; }

Text chartNotFound(RuleContext& c, TextView format) {
  return missingFileLine(c.form.metrics, format, c.text(), u"", 1.5f * c.field.width);
}

constexpr RuleRow kChartId[] = {
    error(0, isEmpty, u"错误：请拖入谱面，或输入ID！", kNothingWritten),
    error(1, longerThan<50>, u"错误：谱面ID过长！", u"太长辣！Pim酱已经装不下了……"),
    error(2, chartUnreadable, u"错误：未找到 %s.json！",
          u"如果有这个错误Pim酱觉得有两个可能哦（づ^o^）づ\n"
          u"1.你没有把谱面和Pim酱放在一个房子里(T ^ T) \n"
          u"2.你没有记对谱面酱的名字(′へ`、)\n\n"
          u"你把谱面拖进来吧，Pim酱帮你填！(。-ω-)")
        .namingFile(chartNotFound),
    error(3, chartUnopenable, u"错误：无法打开谱面！", u"Pim酱打不开唉……"),
    error(4, versionKeyMissing, u"错误：谱面格式错误！", kUnknownFormat),
    error(5, versionUnreadable, u"错误：谱面格式错误！", kUnknownFormat),
    error(6, versionTooOld, u"错误：Zarq版本过低！",
          u"你怎么在用这么老的Zarq吖 QAQ\n去下载一个新版的Zarq把谱面保存一下重新导出叭！"),
    warning(7, versionTooNew, u"警告：Zarq版本过高！", u"好新的Zarq！(ΩДΩ)\nPim酱可能读取不了哦……"),
    prompt(8, u"点击此处自动填写！", u"要Pim酱帮你填嘛(。-ω-)"),
};

// --- slots 1 and 2: "<chart ID>.<suffix>" ---

bool mediaUnreadable(RuleContext& c) {
  return !fileReadable(c.form.platform.files, mediaFile(c.form, c.slot));
}

// Also a picture whose header passes but whose decode for the preview failed: the page would
// stay black without a word.
bool illustrationUnloadable(RuleContext& c) {
  const std::optional<ImageSize> size = c.form.platform.images.probe(mediaFile(c.form, c.slot));
  if (!size || size->width == 0 || size->height == 0 || previewUndecodable(c.form)) return true;
  c.image = *size;
  return false;
}

bool illustrationSmall(RuleContext& c) { return c.image.width < 200 || c.image.height < 200; }

Text mediaNotFound(RuleContext& c, TextView format) {
  return missingFileLine(c.form.metrics, format, c.textOf(slot::chartId), c.text(),
                         2 * c.field.width);
}

constexpr RuleRow kIllustrationExt[] = {
    error(0, isEmpty, u"错误：曲绘后缀不能为空！", kNothingWritten),
    error(1, longerThan<5>, u"错误：曲绘后缀过长！", kSuffixTooLong),
    error(2, mediaUnreadable, u"错误：未找到 %s.%s！",
          u"你没有把曲绘和Pim酱放在一个房子里叭 (T ^ T)\n或者你是不是记错了谱面酱的名字吖")
        .namingFile(mediaNotFound),
    error(3, illustrationUnloadable, u"错误：无法加载曲绘！", u"Pim酱不认识这样的曲绘呢 (；へ：)"),
    warning(4, illustrationSmall, u"警告：曲绘尺寸过小！",
            u"曲绘太小辣，不换个清晰点的嘛 _(:з」∠)_ "),
};

constexpr RuleRow kAudioExt[] = {
    error(0, isEmpty, u"错误：音频后缀不能为空！", kNothingWritten),
    error(1, longerThan<5>, u"错误：音频后缀过长！", kSuffixTooLong),
    error(2, mediaUnreadable, u"错误：未找到 %s.%s！",
          u"你没有把音乐和Pim酱放在一个房子里叭 (T ^ T)\n或者你是不是记错了谱面酱的名字吖")
        .namingFile(mediaNotFound),
};

// --- slots 3 to 7: the value of the slider the slot mirrors ---

float sliderValue(const RuleContext& c) { return c.form.sliders[linkedSlider(c.slot)].value(); }

// A slider at NaN (a "nan" from a preset) is out of range, not quietly in it.
bool dimOutOfRange(RuleContext& c) { return !(sliderValue(c) >= 0 && sliderValue(c) <= 255); }
bool dimBelowLoadingScreens(RuleContext& c) { return sliderValue(c) < 123; }
bool dimBlack(RuleContext& c) { return sliderValue(c) == 255; }
bool blurTooStrong(RuleContext& c) { return !(sliderValue(c) <= 200); }
bool noBlur(RuleContext& c) { return sliderValue(c) == 0; }
bool louderThanFive(RuleContext& c) { return !(sliderValue(c) <= 5); }
bool hitSoundAdjusted(RuleContext& c) { return sliderValue(c) != 1 && sliderValue(c) != 0; }
bool resultVolumeAdjusted(RuleContext& c) { return std::abs(double{sliderValue(c)} - 0.8) > 0.01; }

constexpr RuleRow kBackgroundDim[] = {
    error(0, dimOutOfRange, u"错误：曲绘暗化应在0至255之间！",
          u"曲绘暗化和Zarq的透明度是差不多的类型呢……"),
    warning(1, dimBelowLoadingScreens, u"警告：曲绘暗化不宜小于123！",
            u"在加载界面和结算界面的曲绘暗化是固定为123的哦 (o゜▽゜)o☆\n"
            u"所以如果曲绘暗化小于123，进入谱面后背景就会变亮！"),
    warning(2, dimBlack, u"警告：255会导致谱面背景全黑！", u"曲绘全黑了呢 (○o○)"),
};

constexpr RuleRow kBackgroundBlur[] = {
    error(0, blurTooStrong, u"错误：曲绘模糊不能大于200！", u"再模糊一点就变成纯色了叭……"),
    warning(1, noBlur, u"警告：0会导致曲绘没有模糊！", u"不给曲绘酱打个码吗 (＊／ω＼＊)"),
};

constexpr RuleRow kHitSoundVolume[] = {
    error(0, louderThanFive, u"错误：音量不能大于5！", kEarsResonating),
    warning(1, hitSoundAdjusted, u"警告：不建议调整音效音量！",
            u"就，如果觉得音乐太大太小声可以调节音乐音量吖……"),
};

constexpr RuleRow kMusicVolume[] = {
    error(0, louderThanFive, u"错误：音量不能大于5！", kEarsResonating),
};

constexpr RuleRow kResultVolume[] = {
    error(0, louderThanFive, u"错误：音量不能大于5！", kEarsResonating),
    warning(1, resultVolumeAdjusted, u"警告：不建议调整结算音量！",
            u"结算音量一般都是一样的嘛 (=ω=；)"),
};

constexpr SlotRules kPage1[] = {
    {slot::chartId, kChartId},
    {slot::illustrationExt, kIllustrationExt, slot::chartId},
    {slot::audioExt, kAudioExt, slot::chartId},
    {slot::backgroundDim, kBackgroundDim},
    {slot::backgroundBlur, kBackgroundBlur},
    {slot::hitSoundVolume, kHitSoundVolume},
    {slot::musicVolume, kMusicVolume},
    {slot::resultVolume, kResultVolume},
};

}  // namespace

std::span<const SlotRules> page1Rules() { return kPage1; }

}  // namespace zarq
