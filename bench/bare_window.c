// The yardstick of the editor's start and idle memory: a bare GTK 3 window of the editor's
// client size. With --text it also draws the Chinese and Latin text of the editor's first
// page in the editor's font families, as any window showing that page must.
#include <gtk/gtk.h>
#include <string.h>

static const char* const kLines[] = {
    "Zarq Radoziro 设置填写器", "谱面ID", "20220924", "错误：未找到 20220924.json！",
    "开场   谱面   结算", "曲绘", "PNG", "错误：未找到 20220924.PNG！", "音乐", "MP3",
    "错误：未找到 20220924.MP3！", "背景暗化 123 150 255", "背景模糊 0 80 100",
    "音效音量 0 1.0 1", "音乐音量 0 0.8 2", "结算音量 0 0.8 2"};

static gboolean drawText(GtkWidget* area, cairo_t* cr, gpointer unused) {
  (void)unused;
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  PangoLayout* layout = gtk_widget_create_pango_layout(area, NULL);
  for (unsigned i = 0; i < G_N_ELEMENTS(kLines); ++i) {
    PangoFontDescription* font = pango_font_description_from_string(
        "Source Han Sans & Saira Hybrid, Saira, Source Han Sans SC, Noto Sans CJK SC");
    pango_font_description_set_absolute_size(font, (i == 0 ? 40 : i < 3 ? 26 : 16) * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    pango_layout_set_text(layout, kLines[i], -1);
    cairo_move_to(cr, 200, 10 + 40 * i);
    pango_cairo_show_layout(cr, layout);
  }
  g_object_unref(layout);
  return TRUE;
}

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window), "bare window");
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  GtkWidget* area = gtk_drawing_area_new();
  gtk_widget_set_size_request(area, 944, 681);
  if (argc > 1 && strcmp(argv[1], "--text") == 0) {
    g_signal_connect(area, "draw", G_CALLBACK(drawText), NULL);
  }
  gtk_container_add(GTK_CONTAINER(window), area);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
