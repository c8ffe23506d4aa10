// How a stream's full buffers are best handed to a file or a pipe: write(2)
// on the descriptor against fwrite into a stdio stream with a buffer of the
// same size.
#ifndef QUILLET_BENCH_TARGETWRITES_H
#define QUILLET_BENCH_TARGETWRITES_H

// Prints MB/s of each way into a file and into a pipe, best of reps runs.
int runTargetWrites(int reps);

#endif
