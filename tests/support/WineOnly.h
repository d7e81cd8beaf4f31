// Programs that start, end or drive real processes run only under Wine, whose
// processes are those of a throwaway prefix, never on a real Windows machine.
#pragma once

namespace wine {

bool RunningUnderWine();

}  // namespace wine
