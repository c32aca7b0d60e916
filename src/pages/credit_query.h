// The SIM credit request behind the SMS page's button: open the port, ask the module for
// the credit (the reply is shown in a box), close the port.
#pragma once

#include <functional>

using CreditQueryFn = std::function<void()>;

// Replaces the request (tests install their own); an empty function restores the default.
void SetCreditQuery(CreditQueryFn fn);
void RunCreditQuery();
