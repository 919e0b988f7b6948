#include "engine/HtsStandardStreams.h"

// No standard header here: <cstdio> declares stdout and stderr as libc's,
// and this file defines the library's own.
#include <dlfcn.h>

struct _IO_FILE;

extern "C" {
__attribute__((visibility("hidden"))) _IO_FILE* stdout = nullptr;
__attribute__((visibility("hidden"))) _IO_FILE* stderr = nullptr;
}

namespace velmora::voice {
namespace {

_IO_FILE* ProcessStream(const char* name) {
    // Looked up by name from the process, where this library's own
    // (hidden) definitions are not visible.
    auto* stream = static_cast<_IO_FILE**>(::dlsym(RTLD_DEFAULT, name));
    return stream != nullptr ? *stream : nullptr;
}

}  // namespace

void BindHtsStandardStreams() {
    if (stderr == nullptr) {
        stdout = ProcessStream("stdout");
        stderr = ProcessStream("stderr");
    }
}

}  // namespace velmora::voice
