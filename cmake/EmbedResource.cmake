# quorvel_embed_resource(TARGET TYPE ID FILE): builds FILE into TARGET as the resource
# of the given numeric type and id, registered when the program starts. TARGET should
# be an object library or executable, so that the registration is not dropped. The
# source is written at configure time; a change of FILE configures again.
function(quorvel_embed_resource target type id file)
  get_filename_component(name "${file}" NAME_WE)
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/resource_${type}_${id}_${name}.cpp")
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" length)
  math(EXPR size "${length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
  file(CONFIGURE OUTPUT "${generated}" CONTENT
"// Generated from ${file}.
#include \"moduleresources.h\"

namespace {

const unsigned char bytes[${size}] = {
${bytes}
};

const ResourceRegistration registration(${type}, ${id}, bytes, ${size});

}  // namespace
" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  target_sources(${target} PRIVATE "${generated}")
endfunction()
