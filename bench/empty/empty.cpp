// A C++ program that only starts and exits: the floor of any process's wall time.
int main() { return 0; }
