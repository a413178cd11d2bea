# cmake -DGAME=... -DDATA=... -DSCRIPT=... -DTICKS=N -DCONVERT=... -DOUT=DIR -DNAMES="a;b" -P TakeScreenshots.cmake
# Plays the walk script in the game, headless on its virtual clock with a fresh
# per-user folder, and turns the screenshots it takes into PNG files in OUT.
foreach(required GAME DATA SCRIPT TICKS CONVERT OUT NAMES)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "TakeScreenshots.cmake needs -D${required}=...")
  endif()
endforeach()

set(work ${OUT}/walk)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(
  COMMAND ${GAME} --data ${DATA} --user-dir ${work}/user --headless --fast --autoplay --ticks ${TICKS} --input ${SCRIPT}
  WORKING_DIRECTORY ${work}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The screenshot walk ended with ${status}:\n${output}${errors}")
endif()
foreach(name ${NAMES})
  execute_process(COMMAND ${CONVERT} ${work}/${name}.bmp ${OUT}/${name}.png RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "The walk took no screenshot ${name}.bmp (see ${work}/user/DEBUG.TXT)")
  endif()
endforeach()
