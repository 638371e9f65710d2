#include "common/Module1.h"

Module1& module1()
{
    static Module1 instance;
    return instance;
}
