// Placeholder until the GTK window lands.
int main() { return 0; }
