#include "platform/FileCalls.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace nira {

FileCalls SystemSaveCalls()
{
    return {::mkostemp, ::write, ::fsync, ::rename};
}

FileCalls& SaveCalls()
{
    static FileCalls calls = SystemSaveCalls();
    return calls;
}

}  // namespace nira
