#include "app/Startup.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Each ringing makes and frees large pictures (the enlarged clock's)
    // and sound buffers. The C library's allocator gives the first such
    // blocks their own mappings, but on freeing one it raises its threshold
    // and puts the next ones on the heap, where they stay resident after
    // they are freed: the program grew a little with every alarm. A fixed
    // threshold keeps large blocks mapped on their own and given back.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    return velmora::RunVelmora(argc, argv);
}
