# Copies each *.kvi of SOURCE into DEST unless DEST already has a file of that name.
file(MAKE_DIRECTORY ${DEST})
file(GLOB files ${SOURCE}/*.kvi)
foreach(file ${files})
    get_filename_component(name ${file} NAME)
    if(NOT EXISTS ${DEST}/${name})
        file(COPY ${file} DESTINATION ${DEST})
    endif()
endforeach()
