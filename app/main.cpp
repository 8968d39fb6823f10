#include <cstdio>

int main()
{
    std::fputs("Quorvel: the main dialog is not available in this build yet.\n", stderr);
    return 1;
}
