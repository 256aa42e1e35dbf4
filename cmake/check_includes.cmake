# Run by toviran_allow_includes (LayerIncludes.cmake): fails on the first quoted include in
# FILES ("|"-separated) that ALLOWED does not match, and touches STAMP when there is none.
string(REPLACE "|" ";" files "${FILES}")
foreach(file IN LISTS files)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "${ALLOWED}")
      message(FATAL_ERROR "${file} includes \"${header}\": ${WHY}")
    endif()
  endforeach()
endforeach()
file(TOUCH "${STAMP}")
