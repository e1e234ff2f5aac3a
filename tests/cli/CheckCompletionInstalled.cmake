# Installs the bash completion alone into a scratch prefix and checks that it is velmora-cli's.
set(prefix ${BUILD_DIR}/completion-install)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component completion)
file(STRINGS ${prefix}/share/bash-completion/completions/velmora-cli found REGEX "^complete -F _velmora_cli velmora-cli$")
if(NOT found)
    message(FATAL_ERROR "no bash completion of velmora-cli installed")
endif()
