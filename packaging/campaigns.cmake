# The campaigns that ship with the game are hand-written source (data/campaigns/): the
# build copies them into the run directory beside the generated assets, and the install
# step (packaging/CMakeLists.txt) puts them into the data folder.
file(GLOB PONORKA_CAMPAIGN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/campaigns/*.campaign)
set(PONORKA_CAMPAIGN_OUTPUTS)
foreach(f ${PONORKA_CAMPAIGN_FILES})
  get_filename_component(name ${f} NAME)
  add_custom_command(OUTPUT ${PONORKA_RUN_DIR}/data/campaigns/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${f} ${PONORKA_RUN_DIR}/data/campaigns/${name}
    DEPENDS ${f}
    VERBATIM)
  list(APPEND PONORKA_CAMPAIGN_OUTPUTS ${PONORKA_RUN_DIR}/data/campaigns/${name})
endforeach()
add_custom_target(ponorka-campaigns ALL DEPENDS ${PONORKA_CAMPAIGN_OUTPUTS})
