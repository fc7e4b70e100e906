# cmake -DCPACK=... -DGENERATOR=DEB|TGZ -DCONFIG=.../CPackConfig.cmake -DOUTPUT=DIR -P make_package.cmake
# Makes one package in an emptied folder, so a failed run leaves no older package behind to
# be checked by mistake.
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${CPACK} -G ${GENERATOR} --config ${CONFIG} -B ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
