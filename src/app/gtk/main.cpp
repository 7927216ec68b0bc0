// zarq-settings on Linux.

#include "app/gtk/gtk_app.h"

int main(int argc, char** argv) { return zarq::gtk::runEditor(argc, argv); }
