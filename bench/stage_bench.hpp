#pragma once

namespace textshow::bench {

// One benchmark per stage of the show, in show order, named after the stage.
void register_stage_benchmarks();

}  // namespace textshow::bench
