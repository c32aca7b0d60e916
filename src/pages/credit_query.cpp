#include "pages/credit_query.h"

namespace {

CreditQueryFn g_query;

void DefaultCreditQuery() {}

}  // namespace

void SetCreditQuery(CreditQueryFn fn) {
  g_query = std::move(fn);
}

void RunCreditQuery() {
  if (g_query)
    g_query();
  else
    DefaultCreditQuery();
}
