#include "Unit1.h"

int main(int argc, char* argv[])
{
    TApplication application(argc, argv);
    Application->Initialize();
    Application->CreateForm(Form1);
    return Application->Run();
}
