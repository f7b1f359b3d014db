#pragma once
// The phases whose loops go over the walls a group at a time are built
// twice from the same files: in pairs (SSE2, which every x86-64 processor
// has) and in fours (AVX2), and a run takes the fastest build that the
// processor runs (fastestWallLoops). The results are the same bit for bit.
//
// Each of those files puts its code between CALVEX_WALL_LOOPS_BEGIN and
// CALVEX_WALL_LOOPS_END. They open the namespace of the build, pairs or
// quads, where WallGroup is its group of walls; in the build in fours the
// compiler targets AVX2 there and only there. The functions of the headers
// included before them are compiled as every processor runs them, so the
// two builds share no function that differs. Internal to the engine.

#include "wall_quads.h"

#if defined(CALVEX_WALL_QUADS) && defined(CALVEX_HAS_WALL_QUADS)

#define CALVEX_WALL_LOOPS_BEGIN                                                                   \
    _Pragma("GCC push_options") _Pragma("GCC target(\"avx2\")") namespace calvex::engine::quads { \
        using WallGroup = avx2::WallQuad;
#define CALVEX_WALL_LOOPS_END \
    }                         \
    _Pragma("GCC pop_options")

#else

#if defined(CALVEX_WALL_QUADS)
#define CALVEX_WALL_LOOPS_NAMESPACE quads
#else
#define CALVEX_WALL_LOOPS_NAMESPACE pairs
#endif
#define CALVEX_WALL_LOOPS_BEGIN                             \
    namespace calvex::engine::CALVEX_WALL_LOOPS_NAMESPACE { \
    using WallGroup = WallPair;
#define CALVEX_WALL_LOOPS_END }

#endif

namespace calvex::engine {

// Walls first to last a group at a time, then in pairs and the last one
// alone as they remain: groupStep<Group>(w) takes walls w to
// w + Group::width - 1 and returns false, having written nothing, where one
// of them would stop the run or needs a case the group does not take; then
// smaller groups take them, down to wallStep one by one, so that the run
// stops at the same place with the same results written as wall by wall.
// Always inlined, so that the steps are compiled as the phase that calls
// it, in its build.
template <typename GroupStep, typename WallStep>
[[gnu::always_inline]] inline void wallPairOrEach(int w, GroupStep& groupStep, WallStep& wallStep) {
    if (!groupStep.template operator()<WallPair>(w)) {
        wallStep(w);
        wallStep(w + 1);
    }
}

template <typename Group, typename GroupStep, typename WallStep>
[[gnu::always_inline]] inline void forWallGroups(int first, int last, GroupStep groupStep, WallStep wallStep) {
    int w = first;
    if constexpr (Group::width > 2) {
        // A group that fails goes on in pairs: its case is often that of one
        // pair only.
        for (; w + Group::width - 1 <= last; w += Group::width) {
            if (!groupStep.template operator()<Group>(w))
                for (int i = 0; i < Group::width; i += 2) wallPairOrEach(w + i, groupStep, wallStep);
        }
    }
    for (; w + 1 <= last; w += 2) wallPairOrEach(w, groupStep, wallStep);
    if (w == last) wallStep(w);
}

} // namespace calvex::engine
