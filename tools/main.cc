// PLACEHOLDER: the tesvar command line is built by the CLI work.
int main() { return 0; }
