# Builds the Debian package from what is built already, unpacks it into a scratch root and
# runs it from there: velmora-cli writes a new campaign, velmora seeds an application folder
# from the package's own data, and the desktop entry and the file kinds pass their validators.
set(scratch ${BUILD_DIR}/package-check)
set(root ${scratch}/root)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${root} ${scratch}/home ${scratch}/gui-home)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${result}):\n${out}${err}")
    endif()
    set(out "${out}${err}" PARENT_SCOPE)
endfunction()

run(cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${scratch})
file(GLOB deb ${scratch}/velmora_*.deb)
run(dpkg-deb --field ${deb} Depends)
if(NOT out MATCHES "libqt6widgets6")
    message(FATAL_ERROR "the package's dependencies miss Qt Widgets: ${out}")
endif()
run(dpkg-deb -x ${deb} ${root})

set(usr ${root}/usr)
set(env ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${usr}/lib QT_QPA_PLATFORM=offscreen)
run(${env} VELMORA_HOME=${scratch}/home ${usr}/bin/velmora-cli new ${scratch}/new.vlf)
file(READ ${scratch}/new.vlf marker LIMIT 8)
if(NOT marker STREQUAL "VL400000")
    message(FATAL_ERROR "velmora-cli new wrote no campaign: '${marker}'")
endif()

# A file only the package has: it reaches the application folder only when the program finds
# its data beside itself (not in the source tree or the configured prefix).
file(WRITE ${usr}/share/velmora/Library/Packaged.txt "packaged")
run(${env} VELMORA_HOME=${scratch}/gui-home ${usr}/bin/velmora --quit-after-start)
foreach(seeded Library/Packaged.txt Sounds/Intro.WAV)
    if(NOT EXISTS ${scratch}/gui-home/${seeded})
        message(FATAL_ERROR "the application folder was not seeded with ${seeded} from the package")
    endif()
endforeach()

run(desktop-file-validate ${usr}/share/applications/velmora.desktop)
if(NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
run(update-mime-database ${usr}/share/mime)
foreach(size 16 22 24 32 48 64 128 256)
    if(NOT EXISTS ${usr}/share/icons/hicolor/${size}x${size}/apps/velmora.png)
        message(FATAL_ERROR "no ${size}x${size} icon in the package")
    endif()
endforeach()
file(REMOVE_RECURSE ${scratch})
