// HeldTables: tables of the program's state held out as a value while model code works on them.
#pragma once

#include <utility>

#include "shell/ui/app_state.h"

// Tables of an AppState (a portfolio, a net worth statement) moved out into a value for the length
// of a scope by `Take` and moved back by `Put` when the scope ends: the windows run model
// functions of values on them at their edges. While they are held, the state does not have them.
template <class T, T (*Take)(AppState&), void (*Put)(AppState&, T)>
class HeldTables {
  public:
    explicit HeldTables(AppState& state) : value(Take(state)), state_(state) {}
    ~HeldTables() { Put(state_, std::move(value)); }
    HeldTables(const HeldTables&) = delete;
    HeldTables& operator=(const HeldTables&) = delete;
    T value;

  private:
    AppState& state_;
};
