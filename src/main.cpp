// Plimb Zappets: the process entry point.
int main() { return 0; }
