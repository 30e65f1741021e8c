// A DLL of no use but to be found: the test build puts it beside the Windows tests, where a
// planted DLL would lie beside the program.
extern "C" __declspec(dllexport) int Planted() { return 1; }
