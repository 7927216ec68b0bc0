// zarq-settings on Linux.

#include "app/gtk/gtk_app.h"
#include "image/cover_loader.h"

int main(int argc, char** argv) {
  const int status = zarq::gtk::runEditor(argc, argv);
  zarq::CoverLoader::endProcessIfDecoding(status);
  return status;
}
