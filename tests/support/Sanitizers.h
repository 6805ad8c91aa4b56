#pragma once

// KORU_ADDRESS_SANITIZER is defined when the tests are built with AddressSanitizer, which keeps freed memory
// in quarantine: a memory figure then measures the sanitizer, not the program.

#if defined(__SANITIZE_ADDRESS__)
#define KORU_ADDRESS_SANITIZER
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORU_ADDRESS_SANITIZER
#endif
#endif
