// placeholder until its issue lands
int main() { return 0; }
