#include "engine/checked.h"

std::string describe(RuntimeError::Kind kind) {
    switch (kind) {
    case RuntimeError::Kind::Overflow:
        return "Run-time error: overflow";
    case RuntimeError::Kind::SubscriptOutOfRange:
        return "Run-time error: subscript out of range";
    case RuntimeError::Kind::FloatingPointFault:
        break;
    }
    return "Run-time error: floating-point fault";
}

RuntimeError::RuntimeError(Kind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

void raise(RuntimeError::Kind kind) {
    throw RuntimeError(kind);
}
