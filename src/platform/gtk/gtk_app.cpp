// Placeholder until the GTK window lands.
