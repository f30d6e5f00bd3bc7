// The exception classes of the run-time library. Every error the system reports to its user is an
// Exception whose Message is the sentence to show; subsystems derive their own classes from it.
#pragma once

#include <exception>

#include "rtl/Types.h"

class Exception : public std::exception {
 public:
  explicit Exception(String message) : FMessage(std::move(message)) {}
  const String& Message() const { return FMessage; }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  String FMessage;
};

#define QUORIN_EXCEPTION(Name, Base)      \
  class Name : public Base {              \
   public:                                \
    using Base::Base;                     \
  }

QUORIN_EXCEPTION(EConvertError, Exception);
QUORIN_EXCEPTION(EDivByZero, Exception);
QUORIN_EXCEPTION(EListError, Exception);
QUORIN_EXCEPTION(EVariantError, Exception);
// A floating-point value that an integer cannot hold (rounding NaN, infinity or 1e300).
QUORIN_EXCEPTION(EInvalidOp, Exception);
QUORIN_EXCEPTION(EInvalidOperation, Exception);
QUORIN_EXCEPTION(EInvalidCast, Exception);
QUORIN_EXCEPTION(EStreamError, Exception);
QUORIN_EXCEPTION(EReadError, EStreamError);
QUORIN_EXCEPTION(EWriteError, EStreamError);
QUORIN_EXCEPTION(EFOpenError, EStreamError);
QUORIN_EXCEPTION(EFCreateError, EStreamError);
// The silent exception: it unwinds like any other, but the application's handler shows nothing.
QUORIN_EXCEPTION(EAbort, Exception);

[[noreturn]] void Abort();
