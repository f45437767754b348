#pragma once

// The settings record, field by field in record order: name, setter name,
// width in bytes and encoding. The record is these fields back to back, no
// padding, little-endian. Every model uses a prefix of this list; new camera
// settings are only ever appended at the end.
//
// FIELD(name, setter, width, encoding) is expanded by the includer.
// clang-format off
#define TORVA_SETTING_FIELDS(FIELD) \
    FIELD(checksum, setChecksum, 4, Int32) \
    FIELD(cfg_struct_version, setCfg_struct_version, 4, Int32) \
    FIELD(product_name, setProduct_name, 16, Text) \
    FIELD(serial_number, setSerial_number, 16, Text) \
    FIELD(version, setVersion, 10, Text) \
    FIELD(reserved, setReserved, 2, UInt16) \
    FIELD(front_resolution, setFront_resolution, 4, Int32) \
    FIELD(front_framerate, setFront_framerate, 4, Int32) \
    FIELD(front_quality, setFront_quality, 4, Int32) \
    FIELD(front_brightness, setFront_brightness, 4, Int32) \
    FIELD(front_constrast, setFront_constrast, 4, Int32) \
    FIELD(front_shapness, setFront_shapness, 4, Int32) \
    FIELD(rear_resolution, setRear_resolution, 4, Int32) \
    FIELD(rear_framerate, setRear_framerate, 4, Int32) \
    FIELD(rear_quality, setRear_quality, 4, Int32) \
    FIELD(rear_brightness, setRear_brightness, 4, Int32) \
    FIELD(rear_contrast, setRear_contrast, 4, Int32) \
    FIELD(rear_sharpness, setRear_sharpness, 4, Int32) \
    FIELD(audio_record, setAudio_record, 4, Int32) \
    FIELD(audio_record_volume, setAudio_record_volume, 4, Int32) \
    FIELD(voice_ment, setVoice_ment, 4, Int32) \
    FIELD(audio_ment_volume, setAudio_ment_volume, 4, Int32) \
    FIELD(enable_driving_guide, setEnable_driving_guide, 4, Int32) \
    FIELD(acceleration_sensor, setAcceleration_sensor, 4, Int32) \
    FIELD(enable_av_out, setEnable_av_out, 4, Int32) \
    FIELD(av_out_mode, setAv_out_mode, 4, Int32) \
    FIELD(record_cevent_overwrite, setRecord_cevent_overwrite, 4, Int32) \
    FIELD(record_motion_overwrite, setRecord_motion_overwrite, 4, Int32) \
    FIELD(record_prevent_overwrite, setRecord_prevent_overwrite, 4, Int32) \
    FIELD(record_manual_overwrite, setRecord_manual_overwrite, 4, Int32) \
    FIELD(record_image_overwrite, setRecord_image_overwrite, 4, Int32) \
    FIELD(parking_front_resolution, setParking_front_resolution, 4, Int32) \
    FIELD(parking_front_framerate, setParking_front_framerate, 4, Int32) \
    FIELD(parking_front_quality, setParking_front_quality, 4, Int32) \
    FIELD(parking_rear_resolution, setParking_rear_resolution, 4, Int32) \
    FIELD(parking_rear_framerate, setParking_rear_framerate, 4, Int32) \
    FIELD(parking_rear_quality, setParking_rear_quality, 4, Int32) \
    FIELD(parking_acceleration_sensor, setParking_acceleration_sensor, 4, Int32) \
    FIELD(parking_mode_set, setParking_mode_set, 4, Int32) \
    FIELD(parking_motion_set, setParking_motion_set, 4, Int32) \
    FIELD(parking_front_motion_region, setParking_front_motion_region, 4, Int32) \
    FIELD(parking_rear_motion_region, setParking_rear_motion_region, 4, Int32) \
    FIELD(parking_motion_sensitivity, setParking_motion_sensitivity, 4, Int32) \
    FIELD(parking_time_limit, setParking_time_limit, 4, Int32) \
    FIELD(battery_12v_R_off, setBattery_12v_R_off, 4, Int32) \
    FIELD(battery_24v_R_off, setBattery_24v_R_off, 4, Int32) \
    FIELD(partition_type, setPartition_type, 4, Int32) \
    FIELD(security_led_mode, setSecurity_led_mode, 4, Int32) \
    FIELD(enable_format_sd, setEnable_format_sd, 4, Int32) \
    FIELD(driving_guide_version, setDriving_guide_version, 4, Int32) \
    FIELD(setting_path, setSetting_path, 128, Text) \
    FIELD(micom_version, setMicom_version, 16, Text) \
    FIELD(gmt_offset, setGmt_offset, 4, Int32) \
    FIELD(daylight_offset, setDaylight_offset, 4, Int32) \
    FIELD(tz_key, setTz_key, 32, Text) \
    FIELD(date_format, setDate_format, 4, Int32) \
    FIELD(measurement_unit, setMeasurement_unit, 4, Int32) \
    FIELD(lcd_brightness, setLcd_brightness, 4, Int32) \
    FIELD(lcd_off_timer, setLcd_off_timer, 4, Int32) \
    FIELD(cur_language, setCur_language, 4, Int32) \
    FIELD(battery_auto_set, setBattery_auto_set, 4, Int32) \
    FIELD(wdr, setWdr, 4, Int32) \
    FIELD(ldws_detect, setLdws_detect, 4, Int32) \
    FIELD(ldws_offset_top, setLdws_offset_top, 4, Int32) \
    FIELD(ldws_offset_bottom, setLdws_offset_bottom, 4, Int32) \
    FIELD(ldws_depart_Sensitivity, setLdws_depart_Sensitivity, 4, Int32) \
    FIELD(voice_detect, setVoice_detect, 4, Int32) \
    FIELD(local_id, setLocal_id, 4, Int32) \
    FIELD(low_vol_shutdown, setLow_vol_shutdown, 4, Int32) \
    FIELD(adas_car_high, setAdas_car_high, 4, Int32) \
    FIELD(ldws_left_depart_Sensitivity, setLdws_left_depart_Sensitivity, 4, Int32) \
    FIELD(ldws_right_depart_Sensitivity, setLdws_right_depart_Sensitivity, 4, Int32) \
    FIELD(ldws_depart_speed, setLdws_depart_speed, 4, Int32) \
    FIELD(fcws_onoff, setFcws_onoff, 4, Int32) \
    FIELD(fcws_frontal_sensitivity, setFcws_frontal_sensitivity, 4, Int32) \
    FIELD(fcmd_onoff, setFcmd_onoff, 4, Int32) \
    FIELD(llws_onoff, setLlws_onoff, 4, Int32) \
    FIELD(ldws_onoff, setLdws_onoff, 4, Int32) \
    FIELD(set_resolution, setSet_resolution, 4, Int32) \
    FIELD(parking_night_vision, setParking_night_vision, 4, Int32) \
    FIELD(speed_stamp, setSpeed_stamp, 4, Int32) \
    FIELD(rear_preview_rotation, setRear_preview_rotation, 4, Int32) \
    FIELD(bsd_onoff, setBsd_onoff, 4, Int32) \
    FIELD(gearR_video_on, setGearR_video_on, 4, Int32) \
    FIELD(ufcws_sensitivity, setUfcws_sensitivity, 4, Int32) \
    FIELD(ufcws_onoff, setUfcws_onoff, 4, Int32) \
    FIELD(drive_night_vision, setDrive_night_vision, 4, Int32) \
    FIELD(gsound_onoff, setGsound_onoff, 4, Int32) \
    FIELD(audio_adas_volume, setAudio_adas_volume, 4, Int32) \
    FIELD(mobile_safety_cam_alert, setMobile_safety_cam_alert, 4, Int32) \
    FIELD(rear_led_onoff, setRear_led_onoff, 4, Int32) \
    FIELD(rear_camera_rotation, setRear_camera_rotation, 4, Int32) \
    FIELD(use_only_front_cam, setUse_only_front_cam, 4, Int32) \
    FIELD(use_compatible_battery, setUse_compatible_battery, 4, Int32) \
    FIELD(greater_impact_alarm, setGreater_impact_alarm, 4, Int32) \
    FIELD(cloud_onoff, setCloud_onoff, 4, Int32) \
    FIELD(iot_onoff, setIot_onoff, 1, UInt8) \
    FIELD(radar_onoff, setRadar_onoff, 1, UInt8) \
    FIELD(event_file_upload, setEvent_file_upload, 1, UInt8) \
    FIELD(bsd_horizontal, setBsd_horizontal, 1, UInt8) \
    FIELD(front_camera_rotation, setFront_camera_rotation, 1, UInt8) \
    FIELD(eis_onoff, setEis_onoff, 1, UInt8) \
    FIELD(side_brightness, setSide_brightness, 1, UInt8) \
    FIELD(side_camera_rotation, setSide_camera_rotation, 1, UInt8) \
    FIELD(liveview_display_division, setLiveview_display_division, 1, UInt8) \
    FIELD(hdr, setHdr, 1, UInt8) \
    FIELD(parking_impact_alarm, setParking_impact_alarm, 1, UInt8) \
    FIELD(parking_event_file_upload, setParking_event_file_upload, 1, UInt8) \
    FIELD(wifi_frequency, setWifi_frequency, 1, UInt8) \
    FIELD(p2p_lora_onoff, setP2p_lora_onoff, 1, UInt8) \
    FIELD(parking_greater_impact_alarm, setParking_greater_impact_alarm, 1, UInt8) \
    FIELD(record_sos_overwrite, setRecord_sos_overwrite, 1, UInt8) \
    FIELD(privacy_record, setPrivacy_record, 1, UInt8) \
    FIELD(tlds_onoff, setTlds_onoff, 1, UInt8) \
    FIELD(bcws_onoff, setBcws_onoff, 1, UInt8) \
    FIELD(avn_onoff, setAvn_onoff, 1, UInt8)
// clang-format on
