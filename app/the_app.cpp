// The program's single application object; the framework's program entry runs its start-up.
#include "app/converter_app.h"

CConverterApp theApp;
