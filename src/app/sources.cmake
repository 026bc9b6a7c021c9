target_sources(stint_core PRIVATE
)
