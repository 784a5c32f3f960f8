/* A DLL that lies beside the test exe, as a planted one would. */
__declspec(dllexport) int vorlanePlanted(void) { return 1; }
