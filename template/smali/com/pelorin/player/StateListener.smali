.class public interface abstract Lcom/pelorin/player/StateListener;
.super Ljava/lang/Object;
.source "StateListener.smali"

# Told of every change of the playback state, on the main thread, with the
# state as JSON text (see PlaybackService.stateJson).


.method public abstract onState(Ljava/lang/String;)V
.end method
