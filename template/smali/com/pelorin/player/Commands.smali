.class public Lcom/pelorin/player/Commands;
.super Ljava/lang/Object;
.source "Commands.smali"

# What each command of the playback service does (see PlaybackService for
# the codes), run on the main thread with the service's lock held.


.method public static perform(Lcom/pelorin/player/PlaybackService;Lcom/pelorin/player/Transport;Lcom/pelorin/player/Playlist;IILjava/lang/String;)V
    .registers 9

    const/4 v1, 0x1
    if-ne p3, v1, :not_select
    invoke-virtual {p1, p4}, Lcom/pelorin/player/Transport;->select(I)V
    return-void

    :not_select
    const/4 v1, 0x2
    if-ne p3, v1, :not_pause
    const/4 v1, 0x0
    invoke-virtual {p1, v1}, Lcom/pelorin/player/Transport;->pause(Z)V
    return-void

    :not_pause
    const/4 v1, 0x3
    if-ne p3, v1, :not_resume
    invoke-virtual {p1}, Lcom/pelorin/player/Transport;->resume()V
    return-void

    :not_resume
    const/4 v1, 0x4
    if-ne p3, v1, :not_seek
    invoke-virtual {p1, p4}, Lcom/pelorin/player/Transport;->seek(I)V
    return-void

    :not_seek
    const/4 v1, 0x5
    if-ne p3, v1, :not_next
    const/4 v1, 0x1
    invoke-virtual {p1, v1}, Lcom/pelorin/player/Transport;->skip(I)V
    return-void

    :not_next
    const/4 v1, 0x6
    if-ne p3, v1, :not_previous
    const/4 v1, -0x1
    invoke-virtual {p1, v1}, Lcom/pelorin/player/Transport;->skip(I)V
    return-void

    :not_previous
    const/4 v2, 0x7
    if-ne p3, v2, :not_repeat
    invoke-virtual {p2, p5}, Lcom/pelorin/player/Playlist;->setRepeat(Ljava/lang/String;)V
    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->save()V
    return-void

    :not_repeat
    const/16 v2, 0x8
    if-ne p3, v2, :not_shuffle
    const/4 v2, 0x0
    if-eqz p4, :shuffle_known
    const/4 v2, 0x1
    :shuffle_known
    invoke-virtual {p1}, Lcom/pelorin/player/Transport;->current()I
    move-result v0
    invoke-virtual {p2, v2, v0}, Lcom/pelorin/player/Playlist;->setShuffle(ZI)V
    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->save()V
    return-void

    :not_shuffle
    const/16 v2, 0x9
    if-ne p3, v2, :not_stop
    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->stop()V
    return-void

    :not_stop
    const/16 v2, 0xa
    if-ne p3, v2, :not_toggle
    invoke-virtual {p1}, Lcom/pelorin/player/Transport;->isPlaying()Z
    move-result v2
    if-eqz v2, :toggle_on
    const/4 v2, 0x0
    invoke-virtual {p1, v2}, Lcom/pelorin/player/Transport;->pause(Z)V
    return-void
    :toggle_on
    invoke-virtual {p1}, Lcom/pelorin/player/Transport;->resume()V
    return-void

    :not_toggle
    const/16 v2, 0xb
    if-ne p3, v2, :not_tick
    invoke-virtual {p1}, Lcom/pelorin/player/Transport;->isPlaying()Z
    move-result v2
    if-eqz v2, :unknown
    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->save()V
    invoke-virtual {p0}, Lcom/pelorin/player/PlaybackService;->saveLater()V
    return-void

    :not_tick
    const/16 v2, 0xc
    if-ne p3, v2, :unknown
    const/4 v2, 0x1
    invoke-virtual {p1, v2}, Lcom/pelorin/player/Transport;->pause(Z)V

    :unknown
    return-void
.end method
