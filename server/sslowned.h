#pragma once

#include <memory>

// An OpenSSL object freed by its own free function when it goes out of scope:
// Owned<EVP_MD_CTX, EVP_MD_CTX_free> context(EVP_MD_CTX_new());
template<typename T, void (*Free)(T *)>
using Owned = std::unique_ptr<T, decltype([](T *p) { Free(p); })>;
